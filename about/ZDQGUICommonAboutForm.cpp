// The GUI About dialog.
#include "about/ZDQGUICommonAboutForm.h"

#include <windows.h>

#include "ui/Application.h"

namespace {

constexpr char kCaptionSuffix[] = " のバージョン情報";

}  // namespace

T_ZDQGUICommonAboutForm::T_ZDQGUICommonAboutForm()
    : T_ZDQBaseCommonAboutForm("T_ZDQGUICommonAboutForm") {}

std::string T_ZDQGUICommonAboutForm::ReadOwnVersionInfo(TVersionInfoItem item) const {
    char path[MAX_PATH * 4] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return GetVersionInfo(std::string(path, length), item);
}

// An error here ends the handler where it arose; the form reports it and shows itself as far
// as it was filled in.
void T_ZDQGUICommonAboutForm::FormShow() {
    if (UseVersionInfoFromFile) {
        SetCaption(ReadOwnVersionInfo(viProductName) + kCaptionSuffix);
        ui::Picture icon;
        icon.Assign(ui::Application::Current().Icon());
        SetAppIcon(icon);
        SetControlText(idLblProductName, ReadOwnVersionInfo(viProductName));
        SetControlText(idLblCompanyName, ReadOwnVersionInfo(viCompanyName));
        SetControlText(idLblCopyright, ReadOwnVersionInfo(viLegalCopyright));
    } else {
        SetCaption(ProductName + kCaptionSuffix);
        SetControlText(idLblProductName, ProductName);
        SetControlText(idLblCompanyName, CompanyName);
        SetControlText(idLblCopyright, Copyright);
    }
    SetControlText(idLblProductVersion,
                   UseVersionInfoFromFile ? BuildVersionText(VersionFormat) : ProductVersion);
    T_ZDQBaseCommonAboutForm::FormShow();
}
