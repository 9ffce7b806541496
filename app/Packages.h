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

// The display names of the installed application packages, in the registry's order, trimmed,
// blank ones left out. Left out are frameworks ("Framework" nonzero), resource packages and
// bundles (by the resource id in the full name), system apps (root folder in the Windows
// folder), the package identities of desktop programs (root folder outside every WindowsApps
// folder) and packages without a root folder (half installed, or being removed). An
// application package is listed whether or not it has subkeys: Windows makes one only for an
// application that registers something. An indirect name is resolved, and so is a reference
// to a resource of the package ("ms-resource:AppName", as Windows 11 22H2 and later keep it),
// as the indirect string that earlier Windows stored for it. A name that cannot be resolved, or
// a missing one, gives way to the package's identity name. A damaged or unreadable entry is
// skipped: nothing here throws for one. None without a repository, as on Windows 7.
std::vector<std::wstring> PackagedApplicationNames(IndirectStringResolver resolve);
