// Seeds the package repository of the test's Wine prefix.
#include "tests/support/Packages.h"

#include <stdexcept>
#include <utility>

#include "resources/RegistryNames.h"
#include "tests/support/Uninstall.h"
#include "win/ShiftJis.h"
#include "win/UniqueHandle.h"

namespace support {
namespace {

// The program's path from the root key, here relative to it.
const std::wstring kPackages = win::FromShiftJis(kPackageRepositoryPath + 1);
const std::wstring kParent = kPackages.substr(0, kPackages.rfind(L'\\'));

// The native view, as the program reads it whatever its bitness; the prefix is 64-bit.
win::UniqueHkey CreateKey(const std::wstring& path) {
    win::UniqueHkey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, key.put(),
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create a package key");
    return key;
}

std::wstring PackageKey(const std::string& fullName) {
    return kPackages + L"\\" + win::FromShiftJis(fullName);
}

void SetText(const std::string& fullName, const wchar_t* name, const std::wstring& text) {
    SetPackageValue(fullName, name, REG_SZ, StoredText(text));
}

}  // namespace

void AddPackage(const std::string& fullName, const std::wstring& displayName,
                const std::wstring& rootFolder) {
    SetText(fullName, kDisplayNameValue, displayName);
    SetText(fullName, kPackageRootFolderValue, rootFolder);
}

void AddPackageApplication(const std::string& fullName, const std::wstring& application) {
    CreateKey(PackageKey(fullName) + L"\\" + application + L"\\Capabilities");
}

void MarkFramework(const std::string& fullName) {
    DWORD one = 1;
    SetPackageValue(fullName, kPackageFrameworkValue, REG_DWORD,
                    std::string(reinterpret_cast<const char*>(&one), sizeof(one)));
}

void AddBarePackage(const std::string& fullName) {
    CreateKey(PackageKey(fullName));
}

void SetPackageValue(const std::string& fullName, const std::wstring& name, DWORD type,
                     const std::string& bytes) {
    win::UniqueHkey key = CreateKey(PackageKey(fullName));
    if (RegSetValueExW(key.get(), name.c_str(), 0, type,
                       reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot set a package value");
}

void RemovePackages() {
    win::UniqueHkey parent;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kParent.c_str(), 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                      parent.put()) == ERROR_SUCCESS)
        RegDeleteTreeW(parent.get(), kPackages.substr(kParent.size() + 1).c_str());
}

void AddPackagesOfEveryKind() {
    const std::wstring apps = L"C:\\Program Files\\WindowsApps\\";
    AddPackage("Contoso.Dup_1.0.0.0_x64__8wekyb3d8bbwe", L"Machine Tool", apps + L"Dup");
    AddPackage("Contoso.Notes_1.0.0.0_x64__8wekyb3d8bbwe", kIndirectName, apps + L"Notes");
    AddPackageApplication("Contoso.Notes_1.0.0.0_x64__8wekyb3d8bbwe", L"App");
    AddPackage("Contoso.Runtime_2.0.0.0_x64__8wekyb3d8bbwe", L"Contoso Runtime", apps + L"Rt");
    MarkFramework("Contoso.Runtime_2.0.0.0_x64__8wekyb3d8bbwe");
    AddPackage("Contoso.Tool_1.0.0.0_neutral_split.scale-150_8wekyb3d8bbwe", L"Contoso Tool",
               apps + L"Scale");
    AddPackage("Contoso.Tool_1.0.0.0_x64__8wekyb3d8bbwe", L"Contoso Tool", apps + L"Tool");
    AddPackage("Contoso.Trim_1.0.0.0_x64__8wekyb3d8bbwe", L" \t\u3000Trimmed Tool\u3000 ",
               apps + L"Trim");
    AddPackage("Contoso.Two_1.0.0.0_x64__8wekyb3d8bbwe", L"Two Apps", apps + L"Two");
    AddPackageApplication("Contoso.Two_1.0.0.0_x64__8wekyb3d8bbwe", L"App");
    AddPackageApplication("Contoso.Two_1.0.0.0_x64__8wekyb3d8bbwe", L"Viewer");
    AddPackage("Damaged.Name_1.0.0.0_x64__8wekyb3d8bbwe", L"", apps + L"Damaged");
    SetPackageValue("Damaged.Name_1.0.0.0_x64__8wekyb3d8bbwe", kDisplayNameValue, REG_DWORD,
                    std::string(4, '\x01'));
    AddPackage("Fabrikam.Mail_3.1.0.0_x64__9zeft6ykx0b1c",
               L"@{Fabrikam.Mail_3.1.0.0_x64__9zeft6ykx0b1c?ms-resource://Fabrikam.Mail/AppName}",
               apps + L"Mail");
    AddPackage("Microsoft.Windows.Search_1.14.0.0_neutral_neutral_cw5n1h2txyewy", L"Search",
               L"C:\\Windows\\SystemApps\\Microsoft.Windows.Search_cw5n1h2txyewy");
}

void AddResourceReferencePackages() {
    const std::pair<const char*, const wchar_t*> packages[] = {
        {"Microsoft.MicrosoftStickyNotes_4.0.422.0_x64__8wekyb3d8bbwe",
         L"ms-resource:StickyNotesStoreAppName"},
        {"Microsoft.Windows.StartMenuExperienceHost_10.0.22000.37_neutral_neutral_cw5n1h2txyewy",
         L"ms-resource:StartMenuExperienceHost/PkgDisplayName"},
        {"Microsoft.WindowsCalculator_11.2112.3.0_x64__8wekyb3d8bbwe", L"ms-resource:AppStoreName"},
        {"Microsoft.WindowsCamera_2022.2110.0.0_x64__8wekyb3d8bbwe",
         L"ms-resource:LensSDK/Resources/AppStoreName"},
        {"microsoft.windowscommunicationsapps_16005.14326.20544.0_x64__8wekyb3d8bbwe",
         L"ms-resource://microsoft.windowscommunicationsapps/hxoutlookintl/"
         L"AppManifest_OutlookDesktop_DisplayName"},
    };
    for (const auto& [fullName, reference] : packages)
        AddPackage(fullName, reference,
                   L"C:\\Program Files\\WindowsApps\\" + win::FromShiftJis(fullName));
}

void AddStorePackages(int count) {
    for (int i = 0; i < count; ++i) {
        wchar_t name[32];
        wsprintfW(name, L"Store.App%05d", i);
        std::wstring fullName = std::wstring(name) + L"_1.0.0.0_x64__8wekyb3d8bbwe";
        AddPackage(win::ToShiftJis(fullName),
                   i % 2 ? L"ms-resource:AppName"
                         : L"@{" + fullName + L"?ms-resource://" + name + L"/Resources/AppName}",
                   L"C:\\Program Files\\WindowsApps\\" + fullName);
        AddPackageApplication(win::ToShiftJis(fullName), L"App");
    }
}

}  // namespace support
