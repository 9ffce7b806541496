// Indirect strings as the shell resolves them.
#include "win/IndirectString.h"

#include <windows.h>

#include "win/SystemLibrary.h"
#include "win/UniqueHandle.h"

namespace win {
namespace {

using LoadIndirectStringFn = HRESULT WINAPI(PCWSTR, PWSTR, UINT, void**);

// Room for a display name: a package manifest allows 256 characters.
constexpr UINT kTextRoom = 1024;

struct ShellStrings {
    UniqueHmodule module;
    LoadIndirectStringFn* load = nullptr;
};

ShellStrings Load() {
    ShellStrings shell{LoadSystemLibrary(L"shlwapi.dll")};
    if (shell.module)
        shell.load = ProcAddress<LoadIndirectStringFn>(shell.module.get(), "SHLoadIndirectString");
    return shell;
}

}  // namespace

std::optional<std::wstring> LoadIndirectString(const std::wstring& source) {
    static const ShellStrings shell = Load();
    if (!shell.load) return std::nullopt;
    wchar_t text[kTextRoom] = {};
    if (FAILED(shell.load(source.c_str(), text, kTextRoom, nullptr)) || !text[0])
        return std::nullopt;
    return std::wstring(text);
}

}  // namespace win
