// Display scaling: the DPI a window is shown at, and lengths, frames and metrics at a DPI.
// The per-monitor functions arrived with Windows 10 1607; before it, every window has the
// system DPI, which is what these fall back to.
#pragma once

#include <windows.h>

namespace win {

// The DPI that layouts, fonts and images are drawn for: 100 %.
constexpr UINT kDefaultDpi = 96;

// A length of the 96-DPI layout at this DPI. Every scaled length goes through here, so that
// all of them round alike (MulDiv: half away from zero).
inline int ScaleToDpi(int value, UINT dpi) {
    return MulDiv(value, static_cast<int>(dpi), kDefaultDpi);
}

// The DPI of the screen as the system reports it to this process.
UINT SystemDpi();
// The DPI of the monitor the window is on, or the system DPI where the system cannot say.
UINT WindowDpi(HWND hwnd);
// The outer size of a window with this client size, style and DPI.
SIZE FrameSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi);
// A system metric (SM_CXSMICON, ...) at this DPI.
int SystemMetricForDpi(int index, UINT dpi);

}  // namespace win
