// The colours a form draws in.
#include "ui/FormColours.h"

#include <algorithm>
#include <cmath>

#include "win/WindowClass.h"

namespace ui {
namespace {

// The relative luminance of an sRGB colour.
double Luminance(COLORREF colour) {
    auto linear = [](BYTE value) {
        double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
           0.0722 * linear(GetBValue(colour));
}

}  // namespace

LRESULT StaticControlColours(HDC dc, HWND control) {
    // Whoever answers the message owns both colours: a text colour left alone is the device
    // context's black, which the face of a dark contrast theme swallows. Labels and the text
    // box stand on the button face, so their text is the colour the system pairs with it.
    SetTextColor(dc, GetSysColor(IsWindowEnabled(control) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    if (win::IsWindowClass(control, win::kStaticClass)) SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

double ContrastRatio(COLORREF a, COLORREF b) {
    double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace ui
