// Where in the registry the report reads: the keys from their root key (the leading "\" says
// so) and the values, as the program opens them and the tests seed them.
#pragma once

// Below HKEY_LOCAL_MACHINE in each registry view, and below HKEY_CURRENT_USER.
inline constexpr char kUninstallKeyPath[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
// Below HKEY_CURRENT_USER: one subkey per package, named by its full name.
inline constexpr char kPackageRepositoryPath[] =
    "\\Software\\Classes\\Local Settings\\Software\\Microsoft\\Windows\\CurrentVersion\\AppModel"
    "\\Repository\\Packages";
inline constexpr wchar_t kDisplayNameValue[] = L"DisplayName";
inline constexpr wchar_t kPackageRootFolderValue[] = L"PackageRootFolder";
// Nonzero in a framework package (the runtimes that applications use), as REG_DWORD.
inline constexpr wchar_t kPackageFrameworkValue[] = L"Framework";
