// The class a window belongs to.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The system's window classes that the program makes or looks for: its dialogs (message boxes
// and the common dialogs) and the standard controls.
inline constexpr char kDialogClass[] = "#32770";
inline constexpr char kButtonClass[] = "Button";
inline constexpr char kStaticClass[] = "Static";
inline constexpr char kEditClass[] = "Edit";

// Whether the window is of this class; class names are compared without case, as the system
// compares them.
bool IsWindowClass(HWND hwnd, const char* className);

}  // namespace win
