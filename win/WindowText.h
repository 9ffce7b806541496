// A window's text.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The window's text as GetWindowTextA gives it, in the ANSI code page ("" for no window).
std::string WindowText(HWND hwnd);

}  // namespace win
