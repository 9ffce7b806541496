// A window's text.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The window's text in UTF-16, as it holds it (L"" for no window).
std::wstring WindowText(HWND hwnd);

}  // namespace win
