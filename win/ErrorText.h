// The system's text for an error code.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// In Shift-JIS, as the library's messages are, without the line break and full stop it ends
// with, so that it can stand inside a sentence.
std::string SystemErrorText(DWORD code);

}  // namespace win
