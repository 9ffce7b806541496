// Seeds the package repository of the test's Wine prefix, where Windows 8 and later record
// the current user's packaged applications.
#pragma once

#include <windows.h>

#include <string>

namespace support {

// A package as the system records it: its display name and root folder, no subkeys.
void AddPackage(const std::string& fullName, const std::wstring& displayName,
                const std::wstring& rootFolder);
// An application of the package that registers something (a file type, a protocol): Windows
// makes a subkey for it, with "Capabilities" below.
void AddPackageApplication(const std::string& fullName, const std::wstring& application);
// A framework: "Framework" = 1.
void MarkFramework(const std::string& fullName);
// A package key without values, as a half-installed package may leave it.
void AddBarePackage(const std::string& fullName);
// A value of a package with exactly these bytes and this type, for damaged entries.
void SetPackageValue(const std::string& fullName, const std::wstring& name, DWORD type,
                     const std::string& bytes);
// No repository, as on Windows 7.
void RemovePackages();

// One package of every kind the report tells apart, in the registry's order: a duplicate of the
// uninstall entry "Machine Tool", one with an indirect name that kIndirectName resolves to
// "Contoso Notes" and Wine cannot, a framework, a resource package, a plain one, one whose
// name has blanks around it (and ideographic spaces inside them), one with two application
// subkeys, a damaged one, one whose name nobody resolves, and a system app under C:\Windows.
void AddPackagesOfEveryKind();
// Packages as Windows 11 22H2 and later record them, whose display names are the manifest's
// resource references, one of each shape, in the registry's order: bare names (Sticky Notes,
// Calculator), names with a path (the Start menu's host, Camera) and an absolute reference
// (Mail and Calendar).
void AddResourceReferencePackages();
// Packages as the Store leaves them, each with an application subkey, for the benchmarks:
// "Store.AppNNNNN" with NNNNN from 0, the even ones named by an indirect string as up to
// Windows 11 21H2, the odd ones by a resource reference as from 22H2.
void AddStorePackages(int count);

inline const std::wstring kIndirectName =
    L"@{Contoso.Notes_1.0.0.0_x64__8wekyb3d8bbwe?ms-resource://Contoso.Notes/Resources/AppName}";

}  // namespace support
