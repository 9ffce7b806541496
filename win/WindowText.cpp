// A window's text.
#include "win/WindowText.h"

namespace win {

std::wstring WindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(hwnd, text.data(), length + 1));
    return text;
}

}  // namespace win
