// A window's text.
#include "win/WindowText.h"

namespace win {

std::string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(hwnd, text.data(), length + 1));
    return text;
}

}  // namespace win
