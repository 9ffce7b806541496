// Display scaling, with the per-monitor functions looked up at run time.
#include "win/Dpi.h"

#include "win/GdiGuards.h"
#include "win/SystemLibrary.h"

namespace win {
namespace {

using GetDpiForWindowFn = UINT WINAPI(HWND);
using AdjustWindowRectExForDpiFn = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFn = int WINAPI(int, UINT);

// user32 is loaded by every GUI program, so it is only looked up, never loaded.
template <typename F>
F* User32(const char* name) {
    return ProcAddress<F>(GetModuleHandleW(L"user32.dll"), name);
}

}  // namespace

UINT SystemDpi() {
    WindowDc screen(nullptr);
    int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

UINT WindowDpi(HWND hwnd) {
    static auto* const getDpiForWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
    UINT dpi = getDpiForWindow && hwnd ? getDpiForWindow(hwnd) : 0;
    return dpi ? dpi : SystemDpi();
}

SIZE FrameSizeForClient(SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
    static auto* const adjustForDpi =
        User32<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, client.cx, client.cy};
    if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, dpi))
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

int SystemMetricForDpi(int index, UINT dpi) {
    static auto* const metricForDpi = User32<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    return metricForDpi ? metricForDpi(index, dpi) : GetSystemMetrics(index);
}

}  // namespace win
