// The colours of a form's static controls.
#include "ui/FormColours.h"

#include "win/WindowClass.h"

namespace ui {

LRESULT StaticControlColours(HDC dc, HWND control) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    if (win::IsWindowClass(control, win::kStaticClass)) SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace ui
