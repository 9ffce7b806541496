// The current user's packaged applications.
#include "app/Packages.h"

#include <windows.h>

#include "app/RegistryAccessor.h"
#include "lib/SysText.h"
#include "lib/System.h"
#include "resources/RegistryNames.h"
#include "win/ComApartment.h"

namespace {

// The package's identity name: its full name (Name_Version_Architecture_ResourceId_PublisherId)
// up to the first "_", which a name cannot hold.
std::wstring IdentityName(const std::wstring& fullName) {
    return fullName.substr(0, fullName.find(L'_'));
}

// The system's Windows folder, without a trailing separator.
std::wstring WindowsFolder() {
    wchar_t folder[MAX_PATH] = {};
    UINT length = GetSystemWindowsDirectoryW(folder, MAX_PATH);
    std::wstring windows(folder, length < MAX_PATH ? length : 0);
    while (!windows.empty() && windows.back() == L'\\') windows.pop_back();
    return windows;
}

// Whether the path is the folder or lies below it, compared without case as the file system
// compares names.
bool IsWithin(const std::wstring& path, const std::wstring& folder) {
    if (folder.empty() || path.size() < folder.size()) return false;
    int length = static_cast<int>(folder.size());
    return CompareStringOrdinal(path.c_str(), length, folder.c_str(), length, TRUE) == CSTR_EQUAL &&
           (path.size() == folder.size() || path[folder.size()] == L'\\');
}

// The name the package is listed under, or nothing when it is not listed. Throws when a value
// that it needs is damaged.
std::optional<std::wstring> ListedName(RegistryAccessor& package, const std::wstring& fullName,
                                       const std::wstring& windows, IndirectStringResolver resolve,
                                       win::ComApartment& apartment) {
    if (package.SubKeyCount() == 0) return std::nullopt;
    std::wstring root(package.ReadString(kPackageRootFolderValue));
    if (root.empty() || IsWithin(root, windows)) return std::nullopt;
    std::wstring name(package.ReadString(kDisplayNameValue));
    if (!name.empty() && name[0] == L'@') {
        apartment.Enter();
        name = resolve(name).value_or(IdentityName(fullName));
    }
    name = lib::Trim(name);
    if (name.empty()) return std::nullopt;
    return name;
}

}  // namespace

std::vector<std::wstring> PackagedApplicationNames(IndirectStringResolver resolve) {
    std::vector<std::wstring> names;
    // Not redirected between the registry views: the native one, as for the user's uninstall key.
    RegistryAccessor repository(HKEY_CURRENT_USER, NativeRegistryView());
    if (!repository.OpenKeyReadOnly(kPackageRepositoryPath)) return names;
    const std::wstring windows = WindowsFolder();
    // Package resources are read through COM: one apartment for all the indirect names.
    win::ComApartment apartment;
    RegistryAccessor package(repository.CurrentKey());
    for (const std::wstring& fullName : repository.SubKeyNames()) {
        if (!package.OpenSubKeyReadOnly(fullName)) continue;
        // The system's own bookkeeping, not an installer's: a damaged entry costs that package
        // alone.
        try {
            if (std::optional<std::wstring> name =
                    ListedName(package, fullName, windows, resolve, apartment))
                names.push_back(std::move(*name));
        } catch (const lib::Exception&) {
        }
    }
    return names;
}
