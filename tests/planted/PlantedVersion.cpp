// A stand-in for version.dll, as a download could leave one beside a program: when loaded, it
// leaves a marker file in its own folder.
#include <windows.h>

#include <string>

#include "win/ModulePath.h"
#include "win/UniqueHandle.h"

// The function the static-import program binds to, so that its import resolves to this copy.
extern "C" __declspec(dllexport) DWORD WINAPI GetFileVersionInfoSizeA(LPCSTR, LPDWORD) {
    return 0;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    std::string path = win::ModulePath(instance);
    path = path.substr(0, path.find_last_of('\\')) + "\\planted-dll-ran";
    win::UniqueFile marker(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    return TRUE;
}
