// The installed-applications report.
#include "app/Report.h"

#include <windows.h>

#include "app/RegistryAccessor.h"
#include "lib/SysText.h"
#include "lib/System.h"
#include "lib/ZDQFunctions.h"
#include "resources/RegistryNames.h"
#include "resources/UserTexts.h"
#include "win/ShiftJis.h"

namespace {

// The header's texts are the program's Shift-JIS; the names come in UTF-16 from the system.
void AppendHeader(std::vector<std::wstring>& lines) {
    lines.push_back(win::FromShiftJis(kReportComputerSection));
    lines.push_back(win::FromShiftJis(kReportComputerLabel) + GetLocalComputerNameW());
    lines.push_back(win::FromShiftJis(kReportUserLabel) + GetLogonUserNameW());
    lines.push_back(std::wstring());
    lines.push_back(win::FromShiftJis(kReportApplicationsSection));
}

// Where uninstall keys live: the machine's, in every registry view the program's own first,
// then the user's. Per-user installs register under HKEY_CURRENT_USER; Windows shares its
// Software key between the views, so the native one is read once.
struct UninstallPlace {
    HKEY root;
    REGSAM view;
};

std::vector<UninstallPlace> UninstallPlaces() {
    std::vector<UninstallPlace> places;
    for (REGSAM view : RegistryViews()) places.push_back({HKEY_LOCAL_MACHINE, view});
    places.push_back({HKEY_CURRENT_USER, NativeRegistryView()});
    return places;
}

}  // namespace

InstalledApplicationsReport BuildInstalledApplicationsReport(IndirectStringResolver resolve) {
    InstalledApplicationsReport report;
    std::vector<std::wstring>& lines = report.lines;
    try {
        // The uninstall key of every place that has one, with its subkeys' names.
        struct Listing {
            RegistryAccessor uninstall;
            std::vector<std::wstring> subKeys;
        };
        std::vector<Listing> listings;
        bool anySubKey = false;
        for (const UninstallPlace& place : UninstallPlaces()) {
            RegistryAccessor uninstall(place.root, place.view);
            if (!uninstall.OpenKeyReadOnly(kUninstallKeyPath)) continue;
            std::vector<std::wstring> subKeys = uninstall.SubKeyNames();
            anySubKey = anySubKey || !subKeys.empty();
            listings.push_back({std::move(uninstall), std::move(subKeys)});
        }
        // Packages are applications too: with one, the report is never empty.
        std::vector<std::wstring> packages = PackagedApplicationNames(resolve);
        if (listings.empty() && packages.empty()) return report;
        if (!anySubKey && packages.empty()) throw lib::Exception(kNoApplicationsError);

        AppendHeader(lines);
        for (const Listing& listing : listings) {
            // Each entry is opened from the open uninstall key, by the name it has there: a
            // full path from the root could exceed what the system takes.
            RegistryAccessor entries(listing.uninstall.CurrentKey());
            for (const std::wstring& subKey : listing.subKeys) {
                if (!entries.OpenSubKeyReadOnly(subKey)) continue;
                std::wstring name = lib::Trim(entries.ReadString(kDisplayNameValue));
                if (!name.empty()) lines.push_back(std::move(name));
            }
        }
        lines.insert(lines.end(), packages.begin(), packages.end());
    } catch (const lib::Exception& e) {
        report.error = e.Message();
    }
    return report;
}
