// The colours a form draws in.
#include "ui/FormColours.h"

#include "win/WindowClass.h"

namespace ui {

LRESULT StaticControlColours(HDC dc, HWND control) {
    // Whoever answers the message owns both colours: a text colour left alone is the device
    // context's black, which the face of a dark contrast theme swallows. Labels and the text
    // box stand on the button face, so their text is the colour the system pairs with it.
    SetTextColor(dc, GetSysColor(IsWindowEnabled(control) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    if (win::IsWindowClass(control, win::kStaticClass)) SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace ui
