// Indirect strings as the shell resolves them: "@file,-id", and from Windows 8 on the package
// resources of "@{PackageFullName?ms-resource://...}".
#pragma once

#include <optional>
#include <string>

namespace win {

// The text the indirect string stands for; nothing when the system cannot resolve it, or
// resolves it to nothing. SHLoadIndirectString is looked up at run time in the system's
// shlwapi.dll. Package resources are read through COM: the caller holds a ComApartment.
std::optional<std::wstring> LoadIndirectString(const std::wstring& source);

}  // namespace win
