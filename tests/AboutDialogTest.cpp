// The About dialog built by the About component, read from another thread while it is shown.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>

#include "about/CAboutForm.h"
#include "about/ZDQBaseCommonAboutForm.h"
#include "resources/Product.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/BoxRecorder.h"
#include "tests/support/Driver.h"
#include "tests/AboutView.h"

namespace {

using Id = T_ZDQBaseCommonAboutForm::ControlId;
using aboutview::AboutView;
using aboutview::ControlView;

class AboutDialog : public aboutview::AboutFixture {
  protected:
    // The main window's settings, with a stock icon as the picture.
    void Configure(TCAboutForm& about) {
        about.ProductName = "Quorvin";
        about.ProductVersion = "1.0.0.0";
        about.CompanyName = "Example Works";
        about.Copyright = "(C) Example Works";
        about.Picture.Assign(LoadIconA(nullptr, IDI_APPLICATION));
    }
};

TEST_F(AboutDialog, ShowsTheProductFactsWithoutAnAppendix) {
    TCAboutForm about(nullptr);
    Configure(about);
    AboutView v = Show(about);
    EXPECT_EQ(v.caption, kAboutCaption);
    EXPECT_EQ(v.client.cx, kAboutLayoutWidth);
    EXPECT_EQ(v.client.cy, 107);
    EXPECT_FALSE(v.memo.visible);
    EXPECT_TRUE(v.image.visible);
    EXPECT_EQ(v.image.rect.left, 12);
    EXPECT_EQ(v.name.text, "Quorvin");
    EXPECT_TRUE(v.nameBold);
    EXPECT_EQ(v.version.text, "1.0.0.0");
    EXPECT_EQ(v.company.text, "Example Works");
    EXPECT_EQ(v.copyright.text, "(C) Example Works");
    int top = 12;
    for (const ControlView* label : {&v.name, &v.version, &v.company, &v.copyright}) {
        EXPECT_EQ(label->rect.left, 72);
        EXPECT_EQ(label->rect.top, top);
        EXPECT_EQ(label->rect.bottom - label->rect.top, 12);
        top += 20;
    }
    EXPECT_EQ(v.close.text, kCloseButtonCaption);
    EXPECT_EQ(v.reg.text, kRegisterButtonCaption);
    EXPECT_EQ(v.contact.text, kInquiryButtonCaption);
    for (const ControlView* button : {&v.close, &v.reg, &v.contact}) {
        EXPECT_TRUE(button->visible);
        EXPECT_TRUE(button->enabled);
        EXPECT_EQ(button->rect.left, 340);
        EXPECT_EQ(button->rect.right, 487);
    }
    EXPECT_EQ(v.close.rect.top, 8);
    EXPECT_EQ(v.reg.rect.top, 40);
    EXPECT_EQ(v.contact.rect.top, 72);
}

TEST_F(AboutDialog, ShowsTheAppendixInItsBox) {
    TCAboutForm about(nullptr);
    Configure(about);
    about.Appendix = {"  first line", "second line  "};
    AboutView v = Show(about);
    EXPECT_EQ(v.client.cy, 220);
    EXPECT_TRUE(v.memo.visible);
    EXPECT_EQ(v.memo.text, "first line\r\nsecond line");
    EXPECT_EQ(v.memo.rect.left, 12);
    EXPECT_EQ(v.memo.rect.top, 108);
    EXPECT_EQ(v.memo.rect.right - v.memo.rect.left, 475);
    EXPECT_EQ(v.memo.rect.bottom - v.memo.rect.top, 99);
}

TEST_F(AboutDialog, CountsAnAppendixOfBlanksAsEmpty) {
    TCAboutForm about(nullptr);
    Configure(about);
    about.Appendix = {" ", "\t", ""};
    AboutView v = Show(about);
    EXPECT_EQ(v.client.cy, 107);
    EXPECT_FALSE(v.memo.visible);
}

TEST_F(AboutDialog, MovesTheLabelsLeftWithoutAPicture) {
    TCAboutForm about(nullptr);
    Configure(about);
    about.Picture.Assign(nullptr);
    AboutView v = Show(about);
    EXPECT_FALSE(v.image.visible);
    for (const ControlView* label : {&v.name, &v.version, &v.company, &v.copyright})
        EXPECT_EQ(label->rect.left, 12);
}

TEST_F(AboutDialog, ClosesTheGapOfAHiddenRegistrationButton) {
    TCAboutForm about(nullptr);
    Configure(about);
    about.RegSiteButtonVisible = false;
    AboutView v = Show(about);
    EXPECT_FALSE(v.reg.visible);
    EXPECT_TRUE(v.contact.visible);
    EXPECT_EQ(v.contact.rect.top, 40);

    about.ContactButtonVisible = false;
    v = Show(about);
    EXPECT_TRUE(v.close.visible);
    EXPECT_FALSE(v.reg.visible);
    EXPECT_FALSE(v.contact.visible);

    about.RegSiteButtonVisible = true;
    v = Show(about);
    EXPECT_TRUE(v.reg.visible);
    EXPECT_EQ(v.reg.rect.top, 40);
    EXPECT_FALSE(v.contact.visible);
}

TEST_F(AboutDialog, FollowsTheWidthWithItsAnchors) {
    TCAboutForm about(nullptr);
    Configure(about);
    about.Width = 600;
    about.Appendix = {"text"};
    AboutView v = Show(about);
    EXPECT_EQ(v.client.cx, 600);
    for (const ControlView* button : {&v.close, &v.reg, &v.contact})
        EXPECT_EQ(button->rect.left, 440);
    EXPECT_EQ(v.memo.rect.right - v.memo.rect.left, 575);
    EXPECT_EQ(v.memo.rect.left, 12);
}

TEST_F(AboutDialog, DisablesTheRegistrationButtonWithoutAnAddressOrWhenAskedTo) {
    TCAboutForm about(nullptr);
    Configure(about);
    about.RegisterURL = "";
    AboutView v = Show(about);
    EXPECT_TRUE(v.reg.visible);
    EXPECT_FALSE(v.reg.enabled);

    about.RegisterURL = "https://www.example.jp/register/";
    about.EnableRegSite = false;
    v = Show(about);
    EXPECT_FALSE(v.reg.enabled) << "a disabled request holds while an address is set";
    EXPECT_TRUE(v.contact.enabled);
}

TEST_F(AboutDialog, OfAComponentOnlyConstructedShowsEmptyFacts) {
    TCAboutForm about(nullptr);
    AboutView v = Show(about);
    EXPECT_EQ(v.caption, kAboutCaptionSuffix);
    for (const ControlView* label : {&v.name, &v.version, &v.company, &v.copyright})
        EXPECT_EQ(label->text, "");
    EXPECT_FALSE(v.image.visible);
    EXPECT_FALSE(v.memo.visible);
    EXPECT_EQ(v.client.cy, 107);
    EXPECT_TRUE(v.reg.enabled);
}

TEST_F(AboutDialog, IgnoresTheVersionFormatOutsideFileMode) {
    TCAboutForm about(nullptr);
    Configure(about);
    about.ProductVersion = "  v1 beta  ";
    about.SetVersionFormat(TVersionFormat{vfBuild});
    EXPECT_EQ(Show(about).version.text, "  v1 beta  ");
}

TEST_F(AboutDialog, ReportsAMissingVersionRecordAndStillShowsTheDialog) {
    // This test program has no version record: its file version is empty.
    TCAboutForm about(nullptr);
    Configure(about);
    about.UseVersionInfoFromFile = true;
    about.ProductName = "ignored";
    support::BoxRecorder boxes;
    AboutView v = Show(about);
    std::vector<support::RecordedBox> seen = boxes.Boxes();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].view.text, "'' は整数ではありません.");
    EXPECT_EQ(seen[0].view.icon, support::BoxIcon::Error);
    EXPECT_EQ(seen[0].view.caption, QUORVIN_PROGRAM_NAME);
    EXPECT_EQ(v.caption, kAboutCaptionSuffix);
    EXPECT_EQ(v.name.text, "");
    // The base re-layout did not run: the stored layout shows.
    EXPECT_EQ(v.client.cy, 220);
    EXPECT_TRUE(v.memo.visible);
    EXPECT_EQ(v.version.text, "");
}

TEST_F(AboutDialog, EscapeClosesIt) {
    TCAboutForm about(nullptr);
    Configure(about);
    bool closedByEscape = false;
    Show(about, [&](HWND dialog) {
        support::WaitForFocusWithin(dialog);
        support::PressKey(dialog, VK_ESCAPE);
        closedByEscape = support::WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000);
    });
    EXPECT_TRUE(closedByEscape);
}

TEST_F(AboutDialog, EachExecuteBuildsAFreshDialogAndReleasesIt) {
    TCAboutForm about(nullptr);
    Configure(about);
    AboutView first = Show(about);
    PumpQueuedMessages();
    EXPECT_FALSE(IsWindow(first.window)) << "the first dialog is released after it closed";
    about.ProductName = "Second";
    AboutView second = Show(about);
    EXPECT_EQ(second.caption, std::string("Second") + kAboutCaptionSuffix);
    EXPECT_EQ(second.name.text, "Second");
}

TEST_F(AboutDialog, WebButtonsOpenTheirAddressesThroughTheShellAndStayOpen) {
    // The test's own recorder stands in for the browser of https addresses.
    std::string folder = support::ExeDir();
    std::string log = folder + "\\opened-addresses.txt";
    DeleteFileA(log.c_str());
    std::string command = "\"" + folder + "\\UrlRecorder.exe\" \"%1\"";
    ASSERT_EQ(RegSetKeyValueA(HKEY_CLASSES_ROOT, "https\\shell\\open\\command", nullptr, REG_SZ,
                              command.c_str(), static_cast<DWORD>(command.size() + 1)),
              ERROR_SUCCESS);

    TCAboutForm about(nullptr);
    Configure(about);
    about.RegisterURL = "https://www.example.jp/quorvin/register/";
    about.InquiryURL = "https://www.example.jp/quorvin/inquiry/";
    bool stayedOpen = false;
    std::string opened;
    Show(about, [&](HWND dialog) {
        support::Click(GetDlgItem(dialog, Id::idBtnJumpToUserRegSite));
        support::Click(GetDlgItem(dialog, Id::idBtnContactSite));
        support::WaitUntil([&] {
            std::ifstream in(log, std::ios::binary);
            opened.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            return opened.find("inquiry") != std::string::npos &&
                   opened.find("register") != std::string::npos;
        });
        stayedOpen = IsWindowVisible(dialog) != FALSE;
    });
    EXPECT_NE(opened.find("https://www.example.jp/quorvin/register/\n"), std::string::npos)
        << opened;
    EXPECT_NE(opened.find("https://www.example.jp/quorvin/inquiry/\n"), std::string::npos)
        << opened;
    EXPECT_TRUE(stayedOpen);
}

}  // namespace
