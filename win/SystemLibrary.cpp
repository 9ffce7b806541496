// Loading system DLLs so that a file of the same name beside the program is never the one run.
#include "win/SystemLibrary.h"

#include <string>

namespace win {

void RestrictDllSearch() {
    // Looked up at run time: a static import of it would stop the program from starting on
    // Windows 7 without the update.
    auto setDefault = ProcAddress<decltype(::SetDefaultDllDirectories)>(
        ::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    ::SetDllDirectoryW(L"");
}

UniqueHmodule LoadSystemLibrary(const wchar_t* name) {
    // A full path works on every supported Windows, with or without the search flags of
    // KB2533623; with the altered search path the DLL's own imports, too, are looked for in
    // the system folder first.
    UINT length = ::GetSystemDirectoryW(nullptr, 0);
    if (length == 0) return UniqueHmodule();
    std::wstring path(length, L'\0');
    length = ::GetSystemDirectoryW(path.data(), length);
    if (length == 0 || length >= path.size()) return UniqueHmodule();
    path.resize(length);
    path += L'\\';
    path += name;
    return UniqueHmodule(::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace win
