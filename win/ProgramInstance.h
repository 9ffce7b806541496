// The program's own module: where its resources are and its window classes are registered.
#pragma once

#include <windows.h>

namespace win {

inline HINSTANCE ProgramInstance() noexcept {
    return GetModuleHandleW(nullptr);
}

}  // namespace win
