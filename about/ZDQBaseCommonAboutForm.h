// The base About dialog: its layout, the web buttons, and the re-layout that hides what is
// empty or switched off.
#pragma once

#include <string>

#include "about/AboutSettings.h"
#include "ui/Form.h"
#include "ui/Picture.h"

class T_ZDQBaseCommonAboutForm : public ui::Form {
  public:
    T_ZDQBaseCommonAboutForm();

    // Takes the settings before the dialog is shown: shows the picture, applies the
    // registration button's state (which holds only while an address is set) and appends the
    // appendix lines, each followed by CR LF, as one entry.
    void ApplySettings(const TAboutSettings& settings);

    // Enables or disables the registration button at once, while an address is set; a
    // disabled request also holds at show time.
    void SetEnableRegSite(bool enabled);
    // Appends the text, trimmed, as one entry of the appendix box.
    void AddAppendix(const std::string& text);
    // imgAppIcon receives a copy of the picture.
    void SetAppIcon(const ui::Picture& picture);

    void btnCloseClick();
    void btnJumpToUserRegSiteClick();
    void btnContactSiteClick();

    enum ControlId {
        idImgAppIcon = 100,
        idLblProductName,
        idLblProductVersion,
        idLblCompanyName,
        idLblCopyright,
        idMemAppendix,
        idBtnClose,
        idBtnJumpToUserRegSite,
        idBtnContactSite,
    };

  protected:
    explicit T_ZDQBaseCommonAboutForm(const char* className);

    // The base show handler.
    virtual void FormShow();

    void OnShow() override { FormShow(); }
    void OnClick(int id) override;

    // What the dialog was handed.
    TAboutSettings settings_;

  private:
    void ShowAppIcon();
    void OpenAddress(const std::string& address);
};
