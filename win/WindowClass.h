// The class a window belongs to.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The window's class name, as GetClassNameA gives it ("" for no window).
std::string WindowClassName(HWND hwnd);
// Whether the window is of this class; class names are compared without case, as the system
// compares them.
bool IsWindowClass(HWND hwnd, const char* className);

}  // namespace win
