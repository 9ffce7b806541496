// The current user's packaged applications.
#include "app/Packages.h"

#include <windows.h>

#include <string_view>

#include "app/RegistryAccessor.h"
#include "lib/SysText.h"
#include "lib/System.h"
#include "resources/RegistryNames.h"
#include "win/ComApartment.h"

namespace {

// The parts of a package's full name, Name_Version_Architecture_ResourceId_PublisherId; a part
// cannot hold "_".
std::wstring_view FullNamePart(std::wstring_view fullName, int index) {
    for (int i = 0; i < index; ++i) {
        std::wstring_view::size_type separator = fullName.find(L'_');
        if (separator == std::wstring_view::npos) return {};
        fullName.remove_prefix(separator + 1);
    }
    return fullName.substr(0, fullName.find(L'_'));
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// A resource package (scales, languages), which a bundle names "split.<resource>", or a bundle,
// whose resource id is "~": parts of an application, not applications of their own.
bool IsResourceOrBundle(std::wstring_view fullName) {
    std::wstring_view resource = FullNamePart(fullName, 3);
    constexpr std::wstring_view kSplit = L"split.";
    return resource == L"~" || (resource.size() > kSplit.size() &&
                                EqualsNoCase(resource.substr(0, kSplit.size()), kSplit));
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
    return EqualsNoCase(std::wstring_view(path).substr(0, folder.size()), folder) &&
           (path.size() == folder.size() || path[folder.size()] == L'\\');
}

// Whether the folder lies directly in a folder named WindowsApps, on any volume: where Windows
// installs the packages it deploys. The package of a desktop program that its own installer
// put elsewhere (Edge, OneDrive) only gives that program an identity; its uninstall entry
// lists it.
bool IsDeployedFolder(std::wstring_view root) {
    while (!root.empty() && root.back() == L'\\') root.remove_suffix(1);
    std::wstring_view::size_type leaf = root.rfind(L'\\');
    if (leaf == std::wstring_view::npos) return false;
    std::wstring_view parent = root.substr(0, leaf);
    std::wstring_view::size_type start = parent.rfind(L'\\');
    return start != std::wstring_view::npos &&
           EqualsNoCase(parent.substr(start + 1), L"WindowsApps");
}

// The scheme of a display name that refers to a resource of the package, as Windows 11 22H2 and
// later keep the manifest's own reference. It alone is case-sensitive: "MS-RESOURCE:" is text.
constexpr std::wstring_view kResourceScheme = L"ms-resource:";

// The indirect string for a resource reference of the package, as earlier Windows stored it in
// the repository: a bare name lies in the "Resources" tree, a path (with or without a leading
// "/") runs from the package's root, and an absolute reference stands as it is, an empty
// authority meaning the package itself. Empty when the reference names nothing.
std::wstring ResourceIndirectString(const std::wstring& fullName, std::wstring_view reference) {
    std::wstring_view path = reference.substr(kResourceScheme.size());
    std::wstring_view authority = FullNamePart(fullName, 0);
    const bool rooted = !path.empty() && path[0] == L'/';
    if (path.substr(0, 2) == L"//") {
        path.remove_prefix(2);
        std::wstring_view named = path.substr(0, path.find(L'/'));
        if (!named.empty()) authority = named;
        path.remove_prefix(named.size());
    }
    if (!path.empty() && path[0] == L'/') path.remove_prefix(1);
    if (path.empty() || authority.empty()) return {};
    std::wstring indirect = L"@{" + fullName + L"?ms-resource://";
    indirect.append(authority).append(L"/");
    if (!rooted && path.find(L'/') == std::wstring_view::npos) indirect += L"Resources/";
    return indirect.append(path).append(L"}");
}

// The text of an indirect string, resolved in the one apartment; the package's identity name
// when nothing answers.
std::wstring Resolved(const std::wstring& indirect, const std::wstring& identity,
                      IndirectStringResolver resolve, win::ComApartment& apartment) {
    apartment.Enter();
    return resolve(indirect).value_or(identity);
}

// The name the package is listed under, or nothing when it is not an installed application.
// Throws when a value that it needs is damaged.
std::optional<std::wstring> ListedName(RegistryAccessor& package, const std::wstring& fullName,
                                       const std::wstring& windows, IndirectStringResolver resolve,
                                       win::ComApartment& apartment) {
    if (IsResourceOrBundle(fullName)) return std::nullopt;
    // No root folder: half installed, or being removed.
    std::wstring root(package.ReadString(kPackageRootFolderValue));
    if (root.empty() || IsWithin(root, windows) || !IsDeployedFolder(root)) return std::nullopt;
    if (package.ReadDword(kPackageFrameworkValue).value_or(0) != 0) return std::nullopt;

    const std::wstring identity(FullNamePart(fullName, 0));
    std::wstring name(package.ReadString(kDisplayNameValue));
    if (name.empty() && !package.HasValue(kDisplayNameValue)) {
        name = identity;
    } else if (!name.empty() && name[0] == L'@') {
        name = Resolved(name, identity, resolve, apartment);
    } else if (std::wstring reference = lib::Trim(name);
               reference.compare(0, kResourceScheme.size(), kResourceScheme) == 0) {
        std::wstring indirect = ResourceIndirectString(fullName, reference);
        name = indirect.empty() ? identity : Resolved(indirect, identity, resolve, apartment);
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
