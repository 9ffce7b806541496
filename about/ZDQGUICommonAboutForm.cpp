// The GUI About dialog.
#include "about/ZDQGUICommonAboutForm.h"

#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "ui/Application.h"
#include "win/ModulePath.h"
#include "win/ProgramInstance.h"

T_ZDQGUICommonAboutForm::T_ZDQGUICommonAboutForm() : T_ZDQBaseCommonAboutForm(kAboutClass) {}

std::string T_ZDQGUICommonAboutForm::ReadOwnVersionInfo(TVersionInfoItem item) const {
    return GetVersionInfo(win::ModulePath(), item);
}

// An error here ends the handler where it arose; the form reports it and shows itself as far
// as it was filled in.
void T_ZDQGUICommonAboutForm::FormShow() {
    if (settings_.UseVersionInfoFromFile) {
        SetCaption(ReadOwnVersionInfo(viProductName) + kAboutCaptionSuffix);
        const ui::Application& app = ui::Application::Current();
        ui::Picture icon;
        icon.LoadFromResource(win::ProgramInstance(), app.IconName(), ui::kStandardIconSize);
        SetAppIcon(icon);
        ShowProductName(ReadOwnVersionInfo(viProductName));
        SetControlText(idLblCompanyName, ReadOwnVersionInfo(viCompanyName));
        SetControlText(idLblCopyright, ReadOwnVersionInfo(viLegalCopyright));
    } else {
        SetCaption(settings_.ProductName + kAboutCaptionSuffix);
        ShowProductName(settings_.ProductName);
        SetControlText(idLblCompanyName, settings_.CompanyName);
        SetControlText(idLblCopyright, settings_.Copyright);
    }
    SetControlText(idLblProductVersion, settings_.UseVersionInfoFromFile
                                            ? BuildVersionText(versionFormat_)
                                            : settings_.ProductVersion);
    T_ZDQBaseCommonAboutForm::FormShow();
}

void T_ZDQGUICommonAboutForm::ShowProductName(const std::string& name) {
    SetControlText(idLblProductName, name);
    SetControlText(idImgAppIcon, name);
}
