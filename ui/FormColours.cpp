// The colours a form draws in.
#include "ui/FormColours.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "win/WindowClass.h"

namespace ui {
namespace {

// The linear light of each 8-bit sRGB channel value, worked out by the compiler: pow at run time
// would cost the shipped program 3 KB of the math library.
constexpr std::array<float, 256> LinearChannels() {
    std::array<float, 256> linear{};
    for (int i = 0; i < 256; ++i) {
        double v = i / 255.0;
        linear[i] =
            static_cast<float>(v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return linear;
}
constexpr std::array<float, 256> kLinearChannel = LinearChannels();

// The relative luminance of an sRGB colour.
double Luminance(COLORREF colour) {
    return 0.2126 * kLinearChannel[GetRValue(colour)] + 0.7152 * kLinearChannel[GetGValue(colour)] +
           0.0722 * kLinearChannel[GetBValue(colour)];
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
