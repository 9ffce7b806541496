// The installed-applications report.
#include "app/Report.h"

#include <windows.h>

#include <exception>
#include <stdexcept>

#include "app/RegistryAccessor.h"
#include "lib/SysText.h"
#include "lib/ZDQFunctions.h"
#include "ui/Application.h"

namespace {

constexpr char kUninstallKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr char kDisplayName[] = "DisplayName";

void AppendHeader(std::vector<std::string>& lines) {
    lines.push_back("【コンピュータ情報】");
    lines.push_back("コンピュータ名: " + GetLocalComputerName());
    lines.push_back("ログオンユーザ: " + GetLogonUserName());
    lines.push_back("");
    lines.push_back("【インストールされているアプリケーションの一覧】");
}

void ShowPlainMessage(const std::string& text) {
    ui::Application& app = ui::Application::Current();
    app.ShowMessageBox(text, app.Title(), MB_OK);
}

}  // namespace

void BuildInstalledApplicationsReport(std::vector<std::string>& lines) {
    lines.clear();
    try {
        // The uninstall key of every view that has one, with its subkeys' names.
        struct Listing {
            RegistryAccessor registry;
            std::vector<std::string> subKeys;
        };
        std::vector<Listing> listings;
        bool anySubKey = false;
        for (REGSAM view : RegistryViews()) {
            RegistryAccessor registry(HKEY_LOCAL_MACHINE, view);
            if (!registry.OpenKeyReadOnly(kUninstallKey)) continue;
            std::vector<std::string> subKeys = registry.SubKeyNames();
            anySubKey = anySubKey || !subKeys.empty();
            listings.push_back({std::move(registry), std::move(subKeys)});
        }
        if (listings.empty()) return;
        if (!anySubKey)
            throw std::runtime_error(
                "アプリケーションがまったくインストールされていないか、レジストリが壊れています");

        AppendHeader(lines);
        for (Listing& listing : listings) {
            for (const std::string& subKey : listing.subKeys) {
                if (!listing.registry.OpenKeyReadOnly(std::string(kUninstallKey) + "\\" + subKey))
                    continue;
                std::string name = lib::Trim(listing.registry.ReadString(kDisplayName));
                if (!name.empty()) lines.push_back(name);
            }
        }
    } catch (const std::exception& e) {
        ShowPlainMessage(e.what());
    }
}
