// What an About dialog shows and how it is laid out: the About component's properties, which
// the component hands to the dialog whole. A dialog starts with everything empty, false or
// zero, but for EnableRegSite, true, so that the registration button is enabled until told
// otherwise; the component starts with its own values.
#pragma once

#include <string>
#include <vector>

#include "ui/Picture.h"

// The client width of the About dialogs' stored layout.
inline constexpr int kAboutLayoutWidth = 500;

struct TAboutSettings {
    // Shown at the dialog's top left; the settings hold their own copy.
    ui::Picture Picture;
    std::string ProductName;
    std::string ProductVersion;
    std::string CompanyName;
    std::string Copyright;
    // Name, company and copyright come from the program's own version record, the version
    // text from its file version, and the picture is the program's icon, instead of the four
    // texts and the picture.
    bool UseVersionInfoFromFile = false;
    // Free text for the appendix box, one entry per line.
    std::vector<std::string> Appendix;
    // The registration button's enabled state, applied while a registration address is set;
    // the button starts enabled.
    bool EnableRegSite = true;
    std::string InquiryURL;
    std::string RegisterURL;
    bool RegSiteButtonVisible = false;
    bool ContactButtonVisible = false;
    // Width of the dialog's client area in pixels.
    int Width = 0;
};
