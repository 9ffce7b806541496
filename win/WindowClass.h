// The class a window belongs to.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The class of the system's dialogs: message boxes and the common dialogs.
inline constexpr char kDialogClass[] = "#32770";

// Whether the window is of this class; class names are compared without case, as the system
// compares them.
bool IsWindowClass(HWND hwnd, const char* className);

}  // namespace win
