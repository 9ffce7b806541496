// The version-record functions of the system's version.dll.
#include "win/VersionLibrary.h"

#include "win/SystemLibrary.h"
#include "win/UniqueHandle.h"

namespace win {

namespace {

struct VersionLibrary {
    UniqueHmodule module;
    VersionFunctions functions;
};

VersionLibrary Load() {
    VersionLibrary library{LoadSystemLibrary(L"version.dll"), {}};
    HMODULE module = library.module.get();
    if (!module) return library;
    VersionFunctions& f = library.functions;
    f.getFileVersionInfoSize =
        ProcAddress<decltype(::GetFileVersionInfoSizeA)>(module, "GetFileVersionInfoSizeA");
    f.getFileVersionInfo =
        ProcAddress<decltype(::GetFileVersionInfoA)>(module, "GetFileVersionInfoA");
    f.verQueryValue = ProcAddress<decltype(::VerQueryValueA)>(module, "VerQueryValueA");
    if (!f) f = VersionFunctions();
    return library;
}

}  // namespace

const VersionFunctions& SystemVersionFunctions() {
    static const VersionLibrary library = Load();
    return library.functions;
}

}  // namespace win
