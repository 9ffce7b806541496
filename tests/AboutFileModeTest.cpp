// The About dialog in file mode: its texts and icon come from this test program's own version
// record (tests/versions/FileMode.rc: file version 01.002.3.4).
#include <gtest/gtest.h>

#include <string>

#include "about/CAboutForm.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/AboutView.h"

namespace {

using aboutview::AboutView;

class FileMode : public aboutview::AboutFixture {};

TEST_F(FileMode, TakesTheFactsAndTheIconFromTheVersionRecord) {
    TCAboutForm about(nullptr);
    about.UseVersionInfoFromFile = true;
    about.ProductName = "not shown";
    about.ProductVersion = "not shown";
    about.CompanyName = "not shown";
    about.Copyright = "not shown";
    AboutView v = Show(about);
    EXPECT_EQ(v.caption, std::string("Testprodukt") + kAboutCaptionSuffix);
    EXPECT_EQ(v.name.text, "Testprodukt");
    EXPECT_EQ(v.version.text, "1.2.3.4");
    EXPECT_EQ(v.company.text, "Example Works");
    EXPECT_EQ(v.copyright.text, "(C) Example Works");
    EXPECT_TRUE(v.image.visible) << "file mode always shows the program's icon";
    EXPECT_EQ(v.name.rect.left, 72);
    EXPECT_EQ(v.client.cy, 107);
}

TEST_F(FileMode, ShowsTheVersionInTheChosenFormat) {
    TCAboutForm about(nullptr);
    about.UseVersionInfoFromFile = true;
    about.SetVersionFormat(TVersionFormat{vfMajor, vfBuild, vfBuildSeparation});
    EXPECT_EQ(Show(about).version.text, "1 Build 4");
    about.SetVersionFormat(TVersionFormat{vfMajor, vfBuild});
    EXPECT_EQ(Show(about).version.text, "1.4");
}

}  // namespace
