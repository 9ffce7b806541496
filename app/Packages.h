// The current user's packaged applications (MSIX and AppX: the new Teams and Outlook, Windows
// Terminal, the Store's apps), which have no uninstall entry. Windows 8 and later keep them in
// the package repository of the user's registry.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Turns an indirect string ("@{PackageFullName?ms-resource://...}") into its text; nothing
// when it cannot.
using IndirectStringResolver = std::optional<std::wstring> (*)(const std::wstring& indirect);

// The display names of the packages to list, in the registry's order, trimmed, blank ones left
// out. A package is listed when it has an application (frameworks and resource packages have
// none) and its root folder is not in the Windows folder, where the system's own apps are. A
// name that cannot be resolved gives way to the package's identity name. A damaged or
// unreadable entry is skipped: nothing here throws for one. None without a repository, as on
// Windows 7.
std::vector<std::wstring> PackagedApplicationNames(IndirectStringResolver resolve);
