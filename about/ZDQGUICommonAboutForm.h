// The GUI About dialog: fills in the texts, from its settings or from the program's own
// version record.
#pragma once

#include <string>

#include "about/VersionText.h"
#include "about/ZDQBaseCommonAboutForm.h"
#include "lib/ZDQFunctions.h"

class T_ZDQGUICommonAboutForm : public T_ZDQBaseCommonAboutForm {
  public:
    T_ZDQGUICommonAboutForm();

    // The parts of the file version that the version text shows in file mode; outside file
    // mode the four texts of the settings are shown as they are.
    void SetVersionFormat(TVersionFormat versionFormat) { versionFormat_ = versionFormat; }

    std::string ReadOwnVersionInfo(TVersionInfoItem item) const;

  protected:
    // Fills in the texts, then runs the base show handler.
    void FormShow() override;

  private:
    // The product's name in its label, and as the name that screen readers say for the picture.
    void ShowProductName(const std::string& name);

    TVersionFormat versionFormat_;
};
