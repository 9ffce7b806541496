// The base About dialog and its layout.
#include "about/ZDQBaseCommonAboutForm.h"

#include <shellapi.h>

#include <iterator>

#include "lib/SysText.h"
#include "resources/FormFont.h"
#include "resources/ResourceIds.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "ui/ClickRoutes.h"
#include "win/ShiftJis.h"

namespace {

using ui::ControlKind;
using Id = T_ZDQBaseCommonAboutForm::ControlId;

constexpr unsigned kTopRight = ui::kAnchorRight | ui::kNotAnchoredLeft;
constexpr unsigned kAllSides = ui::kAnchorRight | ui::kAnchorBottom;

// clang-format off
constexpr ui::ControlRow kControls[] = {
    // name                   id                          kind                 text                          left top  width height tab flags                             glyph
    {"imgAppIcon",            Id::idImgAppIcon,           ControlKind::Image,  "",                           12,  12,  48,  48,   -1, ui::kNoFlags,                     nullptr},
    {"lblProductName",        Id::idLblProductName,       ControlKind::Label,  "",                           72,  12,  0,   12,   -1, ui::kAutoSize | ui::kBold,         nullptr},
    {"lblProductVersion",     Id::idLblProductVersion,    ControlKind::Label,  "",                           72,  32,  0,   12,   -1, ui::kAutoSize,                    nullptr},
    {"lblCompanyName",        Id::idLblCompanyName,       ControlKind::Label,  "",                           72,  52,  0,   12,   -1, ui::kAutoSize,                    nullptr},
    {"lblCopyright",          Id::idLblCopyright,         ControlKind::Label,  "",                           72,  72,  0,   12,   -1, ui::kAutoSize,                    nullptr},
    {"memAppendix",           Id::idMemAppendix,          ControlKind::Memo,   "",                           12,  108, 475, 99,   -1, kAllSides,                        nullptr},
    {"btnClose",              Id::idBtnClose,             ControlKind::Button, kCloseButtonCaption,         340, 8,   147, 25,    1, ui::kCancelButton | kTopRight,    nullptr},
    {"btnJumpToUserRegSite",  Id::idBtnJumpToUserRegSite, ControlKind::Button, kRegisterButtonCaption,      340, 40,  147, 25,    2, kTopRight,                        nullptr},
    {"btnContactSite",        Id::idBtnContactSite,       ControlKind::Button, kInquiryButtonCaption,       340, 72,  147, 25,    3, kTopRight,                        nullptr},
};
// clang-format on

constexpr ui::ClickRoute<T_ZDQBaseCommonAboutForm> kClicks[] = {
    {Id::idBtnClose, &T_ZDQBaseCommonAboutForm::btnCloseClick},
    {Id::idBtnJumpToUserRegSite, &T_ZDQBaseCommonAboutForm::btnJumpToUserRegSiteClick},
    {Id::idBtnContactSite, &T_ZDQBaseCommonAboutForm::btnContactSiteClick},
};

ui::FormLayout LayoutNamed(const char* className) {
    return ui::FormLayout{className,
                          "",
                          kAboutLayoutWidth,
                          220,
                          WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN,
                          WS_EX_DLGMODALFRAME,
                          kFormFont,
                          QUORVIN_MAINICON};
}

}  // namespace

T_ZDQBaseCommonAboutForm::T_ZDQBaseCommonAboutForm() : T_ZDQBaseCommonAboutForm(kBaseAboutClass) {}

T_ZDQBaseCommonAboutForm::T_ZDQBaseCommonAboutForm(const char* className)
    : ui::Form(LayoutNamed(className), kControls, std::size(kControls)) {}

void T_ZDQBaseCommonAboutForm::ApplySettings(const TAboutSettings& settings) {
    settings_ = settings;
    ShowAppIcon();
    SetEnableRegSite(settings.EnableRegSite);
    std::string appendix;
    for (const std::string& line : settings.Appendix) appendix += line + "\r\n";
    AddAppendix(appendix);
}

void T_ZDQBaseCommonAboutForm::SetEnableRegSite(bool enabled) {
    if (settings_.RegisterURL.empty()) return;
    settings_.EnableRegSite = enabled;
    SetControlEnabled(idBtnJumpToUserRegSite, enabled);
}

void T_ZDQBaseCommonAboutForm::AddAppendix(const std::string& text) {
    std::string lines = ControlText(idMemAppendix);
    SetControlText(idMemAppendix, (lines.empty() ? "" : lines + "\r\n") + lib::Trim(text));
}

void T_ZDQBaseCommonAboutForm::SetAppIcon(const ui::Picture& picture) {
    settings_.Picture = picture;
    ShowAppIcon();
}

void T_ZDQBaseCommonAboutForm::ShowAppIcon() {
    SetControlPicture(idImgAppIcon, settings_.Picture);
}

void T_ZDQBaseCommonAboutForm::FormShow() {
    SetControlEnabled(idBtnJumpToUserRegSite,
                      !settings_.RegisterURL.empty() && settings_.EnableRegSite);

    if (lib::Trim(ControlText(idMemAppendix)).empty()) {
        SetClientSize(ClientSize().cx, ControlRect(idMemAppendix).top - 1);
        SetControlVisible(idMemAppendix, false);
    }

    // Without a picture the labels take its place at the left edge.
    if (settings_.Picture.Empty()) {
        SetControlVisible(idImgAppIcon, false);
        int left = ControlRect(idImgAppIcon).left;
        for (int label : {idLblProductName, idLblProductVersion, idLblCompanyName, idLblCopyright})
            MoveControl(label, left, ControlRect(label).top);
    }

    SetControlVisible(idBtnJumpToUserRegSite, settings_.RegSiteButtonVisible);
    SetControlVisible(idBtnContactSite, settings_.ContactButtonVisible);
    // No gap under the close button.
    if (!settings_.RegSiteButtonVisible && settings_.ContactButtonVisible)
        MoveControl(idBtnContactSite, ControlRect(idBtnContactSite).left,
                    ControlRect(idBtnJumpToUserRegSite).top);

    SetClientSize(settings_.Width, ClientSize().cy);
}

void T_ZDQBaseCommonAboutForm::OnClick(int id) {
    ui::RouteClick(*this, kClicks, id);
}

void T_ZDQBaseCommonAboutForm::btnCloseClick() {
    Close();
}

void T_ZDQBaseCommonAboutForm::btnJumpToUserRegSiteClick() {
    OpenAddress(settings_.RegisterURL);
}

void T_ZDQBaseCommonAboutForm::btnContactSiteClick() {
    OpenAddress(settings_.InquiryURL);
}

// The address's default action opens it in the user's browser; what the shell makes of it is
// not examined, and the dialog stays open.
void T_ZDQBaseCommonAboutForm::OpenAddress(const std::string& address) {
    ShellExecuteW(Handle(), nullptr, win::FromShiftJis(address).c_str(), nullptr, nullptr, SW_SHOW);
}
