// The GUI About dialog: fills in the texts, from its settings or from the program's own
// version record.
#pragma once

#include <string>

#include "about/CAboutForm.h"
#include "about/ZDQBaseCommonAboutForm.h"
#include "lib/ZDQFunctions.h"

class T_ZDQGUICommonAboutForm : public T_ZDQBaseCommonAboutForm {
  public:
    T_ZDQGUICommonAboutForm();

    // Settings; the four texts are used only outside file mode.
    bool UseVersionInfoFromFile = false;
    TVersionFormat VersionFormat;
    std::string ProductName;
    std::string ProductVersion;
    std::string CompanyName;
    std::string Copyright;

    std::string ReadOwnVersionInfo(TVersionInfoItem item) const;

  protected:
    // Fills in the texts, then runs the base show handler.
    void FormShow() override;
};
