// Loading system DLLs so that a file of the same name beside the program is never the one run.
#pragma once

#include <windows.h>

#include "win/UniqueHandle.h"

namespace win {

// Limits the DLL search of the whole process to the system folder; call it before anything can
// load a DLL. Windows 7 without update KB2533623 lacks SetDefaultDllDirectories: there the
// program's folder stays in the search but the current folder leaves it.
void RestrictDllSearch();

// A DLL taken from the system folder alone, by its full path; empty when it cannot be loaded.
UniqueHmodule LoadSystemLibrary(const wchar_t* name);

// A function of a loaded module with its type, for functions that not every supported Windows
// has or that must not be imported statically; null when the module lacks it.
template <typename F>
F* ProcAddress(HMODULE module, const char* name) {
    // Through the untyped function pointer, which converts to any other without a warning.
    return reinterpret_cast<F*>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

}  // namespace win
