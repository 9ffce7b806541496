// Seeds the uninstall key of the test's Wine prefix.
#include "tests/support/Uninstall.h"

#include <sddl.h>

#include <stdexcept>
#include <vector>

#include "resources/RegistryNames.h"
#include "resources/UserTexts.h"
#include "win/ShiftJis.h"
#include "win/UniqueHandle.h"

namespace support {
namespace {

// The program's paths from the root key, here relative to it.
const std::string kUninstall = kUninstallKeyPath + 1;
const std::string kParent = kUninstall.substr(0, kUninstall.rfind('\\'));
const std::string kUninstallName = kUninstall.substr(kParent.size() + 1);
const std::string kDisplayName = win::ToShiftJis(kDisplayNameValue);

win::UniqueHkey CreateKey(const std::string& path, const UninstallPlace& place) {
    win::UniqueHkey key;
    if (RegCreateKeyExA(place.root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | place.view,
                        nullptr, key.put(), nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create " + path);
    return key;
}

}  // namespace

void RemoveUninstallKey(const UninstallPlace& place) {
    // Deleted from its parent opened in the view: a path from the root would name the own view.
    win::UniqueHkey parent;
    if (RegOpenKeyExA(place.root, kParent.c_str(), 0, KEY_ALL_ACCESS | place.view, parent.put()) ==
        ERROR_SUCCESS)
        RegDeleteTreeA(parent.get(), kUninstallName.c_str());
}

void ResetUninstallKey(const UninstallPlace& place) {
    RemoveUninstallKey(place);
    CreateKey(kUninstall, place);
}

void ResetUninstallKeys() {
    ResetUninstallKey(kView64);
    ResetUninstallKey(kView32);
    RemoveUninstallKey(kUser);
}

void RemoveUninstallKeys() {
    RemoveUninstallKey(kView64);
    RemoveUninstallKey(kView32);
    RemoveUninstallKey(kUser);
}

void AddUninstallEntry(const std::string& subKey, DWORD type, const std::string& bytes,
                       const UninstallPlace& place) {
    win::UniqueHkey key = CreateKey(kUninstall + "\\" + subKey, place);
    if (RegSetValueExA(key.get(), kDisplayName.c_str(), 0, type,
                       reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot set DisplayName of " + subKey);
}

void AddDisplayName(const std::string& subKey, const std::string& text,
                    const UninstallPlace& place) {
    AddUninstallEntry(subKey, REG_SZ, text + std::string(1, '\0'), place);
}

void AddDisplayName(const std::wstring& subKey, const std::string& text,
                    const UninstallPlace& place) {
    win::UniqueHkey uninstall = CreateKey(kUninstall, place);
    win::UniqueHkey key;
    if (RegCreateKeyExW(uninstall.get(), subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | place.view,
                        nullptr, key.put(), nullptr) != ERROR_SUCCESS ||
        RegSetValueExA(key.get(), kDisplayName.c_str(), 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS)
        throw std::runtime_error("cannot add " + text);
}

void AddStoredDisplayName(const std::string& subKey, DWORD type, const std::string& stored,
                          const UninstallPlace& place) {
    win::UniqueHkey key = CreateKey(kUninstall + "\\" + subKey, place);
    if (RegSetValueExW(key.get(), kDisplayNameValue, 0, type,
                       reinterpret_cast<const BYTE*>(stored.data()),
                       static_cast<DWORD>(stored.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot set DisplayName of " + subKey);
}

std::string StoredText(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.c_str()),
                       (text.size() + 1) * sizeof(wchar_t));
}

void AddUnicodeDisplayName(const std::string& subKey, const std::wstring& name,
                           const UninstallPlace& place) {
    AddStoredDisplayName(subKey, REG_SZ, StoredText(name), place);
}

void AddBareEntry(const std::string& subKey, const UninstallPlace& place) {
    CreateKey(kUninstall + "\\" + subKey, place);
}

void GrantOnly(const std::string& subKey, DWORD rights, const UninstallPlace& place) {
    win::UniqueHkey key;
    if (RegOpenKeyExA(place.root, (kUninstall + "\\" + subKey).c_str(), 0, WRITE_DAC | place.view,
                      key.put()) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open " + subKey);
    // Everyone, with WRITE_DAC beside the rights, so that the test can give the others back.
    std::string sddl = "D:P(A;;" + std::to_string(rights | WRITE_DAC) + ";;;WD)";
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr))
        throw std::runtime_error("cannot make a security descriptor");
    win::UniqueHlocal owned(descriptor);
    if (RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, descriptor) != ERROR_SUCCESS)
        throw std::runtime_error("cannot restrict " + subKey);
}

std::string ReadBackDisplayName(const std::string& subKey, const UninstallPlace& place) {
    win::UniqueHkey key;
    if (RegOpenKeyExA(place.root, (kUninstall + "\\" + subKey).c_str(), 0, KEY_READ | place.view,
                      key.put()) != ERROR_SUCCESS)
        return std::string();
    DWORD size = 0;
    if (RegGetValueA(key.get(), nullptr, kDisplayName.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr,
                     nullptr, &size) != ERROR_SUCCESS)
        return std::string();
    std::vector<char> buffer(size + 1);
    RegGetValueA(key.get(), nullptr, kDisplayName.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr,
                 buffer.data(), &size);
    return std::string(buffer.data());
}

std::vector<std::string> ExpectedReport(const std::vector<std::string>& names) {
    // The names in Shift-JIS, whatever this process's ANSI code page.
    wchar_t computer[256] = {}, user[256] = {};
    DWORD size = 256;
    GetComputerNameW(computer, &size);
    size = 256;
    GetUserNameW(user, &size);
    std::vector<std::string> lines = {
        kReportComputerSection, kReportComputerLabel + win::ToShiftJis(computer),
        kReportUserLabel + win::ToShiftJis(user), "", kReportApplicationsSection};
    lines.insert(lines.end(), names.begin(), names.end());
    return lines;
}

std::string ExpectedReportText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& line : ExpectedReport(names)) text += line + "\r\n";
    return text;
}

}  // namespace support
