// The colours of a form's static controls: labels transparent on the button face, the
// read-only text box on the button face.
#pragma once

#include <windows.h>

namespace ui {

// What WM_CTLCOLORSTATIC answers for the control drawn with this device context.
LRESULT StaticControlColours(HDC dc, HWND control);

}  // namespace ui
