// Seeds the uninstall key of the test's Wine prefix.
#include "tests/driver/Uninstall.h"

#include <stdexcept>
#include <vector>

#include "ui/UniqueHandle.h"

namespace driver {
namespace {

const std::string kUninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

ui::UniqueHkey CreateKey(const std::string& path) {
    ui::UniqueHkey key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        key.put(), nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create HKLM\\" + path);
    return key;
}

}  // namespace

void RemoveUninstallKey() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kUninstall.c_str());
}

void ResetUninstallKey() {
    RemoveUninstallKey();
    CreateKey(kUninstall);
}

void AddUninstallEntry(const std::string& subKey, DWORD type, const std::string& bytes) {
    ui::UniqueHkey key = CreateKey(kUninstall + "\\" + subKey);
    if (RegSetValueExA(key.get(), "DisplayName", 0, type,
                       reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot set DisplayName of " + subKey);
}

void AddDisplayName(const std::string& subKey, const std::string& text) {
    AddUninstallEntry(subKey, REG_SZ, text + std::string(1, '\0'));
}

void AddBareEntry(const std::string& subKey) {
    CreateKey(kUninstall + "\\" + subKey);
}

std::string ReadBackDisplayName(const std::string& subKey) {
    std::string path = kUninstall + "\\" + subKey;
    DWORD size = 0;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, path.c_str(), "DisplayName", RRF_RT_ANY | RRF_NOEXPAND,
                     nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::string();
    std::vector<char> buffer(size + 1);
    RegGetValueA(HKEY_LOCAL_MACHINE, path.c_str(), "DisplayName", RRF_RT_ANY | RRF_NOEXPAND,
                 nullptr, buffer.data(), &size);
    return std::string(buffer.data());
}

std::vector<std::string> ExpectedReport(const std::vector<std::string>& names) {
    char computer[256] = {}, user[256] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    size = sizeof user;
    GetUserNameA(user, &size);
    std::vector<std::string> lines = {"【コンピュータ情報】",
                                      std::string("コンピュータ名: ") + computer,
                                      std::string("ログオンユーザ: ") + user, "",
                                      "【インストールされているアプリケーションの一覧】"};
    lines.insert(lines.end(), names.begin(), names.end());
    return lines;
}

std::string ExpectedReportText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& line : ExpectedReport(names)) text += line + "\r\n";
    return text;
}

}  // namespace driver
