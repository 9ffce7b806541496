// The base About dialog and its layout.
#include "about/ZDQBaseCommonAboutForm.h"

#include <shellapi.h>

#include <iterator>

#include "lib/SysText.h"

namespace {

using ui::ControlKind;
using Id = T_ZDQBaseCommonAboutForm::ControlId;

constexpr unsigned kTopRight = ui::kAnchorRight | ui::kNotAnchoredLeft;
constexpr unsigned kAllSides = ui::kAnchorRight | ui::kAnchorBottom;

// clang-format off
constexpr ui::ControlSpec kControls[] = {
    // name                   id                          kind                 text                          left top  width height tab flags                             glyph
    {"imgAppIcon",            Id::idImgAppIcon,           ControlKind::Image,  "",                           12,  12,  48,  48,   -1, ui::kNoFlags,                     nullptr},
    {"lblProductName",        Id::idLblProductName,       ControlKind::Label,  "",                           72,  12,  0,   12,   -1, ui::kAutoSize | ui::kBold,         nullptr},
    {"lblProductVersion",     Id::idLblProductVersion,    ControlKind::Label,  "",                           72,  32,  0,   12,   -1, ui::kAutoSize,                    nullptr},
    {"lblCompanyName",        Id::idLblCompanyName,       ControlKind::Label,  "",                           72,  52,  0,   12,   -1, ui::kAutoSize,                    nullptr},
    {"lblCopyright",          Id::idLblCopyright,         ControlKind::Label,  "",                           72,  72,  0,   12,   -1, ui::kAutoSize,                    nullptr},
    {"memAppendix",           Id::idMemAppendix,          ControlKind::Memo,   "",                           12,  108, 475, 99,   -1, kAllSides,                        nullptr},
    {"btnClose",              Id::idBtnClose,             ControlKind::Button, "閉じる(&C)",                 340, 8,   147, 25,    1, ui::kCancelButton | kTopRight,    nullptr},
    {"btnJumpToUserRegSite",  Id::idBtnJumpToUserRegSite, ControlKind::Button, "ユーザー登録ページへ(&R)",   340, 40,  147, 25,    2, kTopRight,                        nullptr},
    {"btnContactSite",        Id::idBtnContactSite,       ControlKind::Button, "お問い合せフォームへ(&T)",   340, 72,  147, 25,    3, kTopRight,                        nullptr},
};
// clang-format on

ui::FormSpec FormSpecNamed(const char* className) {
    return ui::FormSpec{className,
                        "",
                        500,
                        220,
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN,
                        WS_EX_DLGMODALFRAME,
                        "ＭＳ Ｐゴシック",
                        12,
                        SHIFTJIS_CHARSET};
}

}  // namespace

T_ZDQBaseCommonAboutForm::T_ZDQBaseCommonAboutForm()
    : T_ZDQBaseCommonAboutForm("T_ZDQBaseCommonAboutForm") {}

T_ZDQBaseCommonAboutForm::T_ZDQBaseCommonAboutForm(const char* className)
    : ui::Form(FormSpecNamed(className), kControls, std::size(kControls)) {}

void T_ZDQBaseCommonAboutForm::SetEnableRegSite(bool enabled) {
    if (RegisterURL.empty()) return;
    enableRegSite_ = enabled;
    SetControlEnabled(idBtnJumpToUserRegSite, enabled);
}

void T_ZDQBaseCommonAboutForm::AddAppendix(const std::string& text) {
    std::string lines = ControlText(idMemAppendix);
    SetControlText(idMemAppendix, (lines.empty() ? "" : lines + "\r\n") + lib::Trim(text));
}

void T_ZDQBaseCommonAboutForm::SetAppIcon(const ui::Picture& picture) {
    icon_ = picture;
    SendMessageA(Control(idImgAppIcon), STM_SETICON, reinterpret_cast<WPARAM>(icon_.Handle()), 0);
}

void T_ZDQBaseCommonAboutForm::FormShow() {
    SetControlEnabled(idBtnJumpToUserRegSite, !RegisterURL.empty() && enableRegSite_);

    if (lib::Trim(ControlText(idMemAppendix)).empty()) {
        SetClientSize(ClientSize().cx, ControlRect(idMemAppendix).top - 1);
        SetControlVisible(idMemAppendix, false);
    }

    if (icon_.Empty()) {
        SetControlVisible(idImgAppIcon, false);
        for (int label : {idLblProductName, idLblProductVersion, idLblCompanyName, idLblCopyright})
            MoveControl(label, 12, ControlRect(label).top);
    }

    SetControlVisible(idBtnJumpToUserRegSite, RegSiteButtonVisible);
    SetControlVisible(idBtnContactSite, ContactButtonVisible);
    // No gap under the close button.
    if (!RegSiteButtonVisible && ContactButtonVisible)
        MoveControl(idBtnContactSite, ControlRect(idBtnContactSite).left,
                    ControlRect(idBtnJumpToUserRegSite).top);

    SetClientSize(Width, ClientSize().cy);
}

void T_ZDQBaseCommonAboutForm::OnClick(int id) {
    switch (id) {
        case idBtnClose:
            btnCloseClick();
            break;
        case idBtnJumpToUserRegSite:
            btnJumpToUserRegSiteClick();
            break;
        case idBtnContactSite:
            btnContactSiteClick();
            break;
    }
}

void T_ZDQBaseCommonAboutForm::btnCloseClick() {
    Close();
}

void T_ZDQBaseCommonAboutForm::btnJumpToUserRegSiteClick() {
    OpenAddress(RegisterURL);
}

void T_ZDQBaseCommonAboutForm::btnContactSiteClick() {
    OpenAddress(InquiryURL);
}

// The address's default action opens it in the user's browser; what the shell makes of it is
// not examined, and the dialog stays open.
void T_ZDQBaseCommonAboutForm::OpenAddress(const std::string& address) {
    ShellExecuteA(Handle(), nullptr, address.c_str(), nullptr, nullptr, SW_SHOW);
}
