// The path of a module's file, the running program's own by default.
#pragma once

#include <windows.h>

#include <string>

namespace win {

std::string ModulePath(HMODULE module = nullptr);

}  // namespace win
