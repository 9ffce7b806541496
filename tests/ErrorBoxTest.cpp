// An exception that escapes an event handler reaches the user in the standard error box, and
// the program goes on.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <iterator>
#include <stdexcept>
#include <memory>
#include <string>
#include <thread>

#include "resources/FormFont.h"
#include "resources/Product.h"
#include "resources/UserTexts.h"
#include "tests/support/Driver.h"
#include "tests/support/TestApplication.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {

constexpr int kThrowButton = 100;

constexpr ui::FormLayout kLayout = {
    "TTestForm", "テスト", 200, 60, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, kFormFont, nullptr,
};

// The glyph exists at 100 % only (TestGlyph.rc): drawing the form at any other scale fails.
constexpr ui::ControlRow kControls[] = {
    {"btnThrow", kThrowButton, ui::ControlKind::Button, "投げる(&T)", 8, 8, 100, 25, 0,
     ui::kDefaultButton, "TEST_GLYPH"},
};

// A form whose button raises whatever the test asks for.
class ThrowingForm : public ui::Form {
  public:
    ThrowingForm() : ui::Form(kLayout, kControls, std::size(kControls)) {}
    void (*raise)() = nullptr;

  protected:
    void OnClick(int id) override {
        if (id == kThrowButton && raise) raise();
    }
};

class ErrorBox : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        app = support::MakeQuorvinApplication();
        form = app->CreateForm<ThrowingForm>();
        form->Show();
    }
    static void TearDownTestSuite() {
        app.reset();
        app = nullptr;
    }

    // Clicks the button and reads the box that comes up, from another thread, then closes it.
    support::MessageBoxView ClickAndRead(void (*raise)()) {
        form->raise = raise;
        return ReadBoxOf([] { SendMessageA(form->Control(kThrowButton), BM_CLICK, 0, 0); });
    }

    // Does what shows a box and reads the box, from another thread, then closes it.
    support::MessageBoxView ReadBoxOf(void (*show)()) {
        support::MessageBoxView seen;
        bool formWasEnabled = true;
        std::thread reader([&] {
            HWND box = support::WaitForDialog(GetCurrentProcessId());
            if (!box) return;
            seen = support::ReadMessageBox(box);
            formWasEnabled = IsWindowEnabled(form->Handle());
            support::Answer(box, IDOK);
        });
        show();
        reader.join();
        EXPECT_FALSE(formWasEnabled) << "the form must be disabled while the box is open";
        EXPECT_TRUE(IsWindowEnabled(form->Handle()));
        return seen;
    }

    static std::unique_ptr<ui::Application> app;
    static ThrowingForm* form;
};

std::unique_ptr<ui::Application> ErrorBox::app;
ThrowingForm* ErrorBox::form = nullptr;

TEST_F(ErrorBox, ShowsTheMessageWithAFullStopTheErrorIconAndTheTitle) {
    support::MessageBoxView box = ClickAndRead([] { throw std::runtime_error("作成できません"); });
    EXPECT_EQ(box.text, "作成できません.");
    EXPECT_EQ(box.caption, QUORVIN_PROGRAM_NAME);
    EXPECT_EQ(box.icon, support::BoxIcon::Error);
    EXPECT_EQ(box.owner, app->Handle());
}

TEST_F(ErrorBox, IsOwnedByTheHiddenApplicationWindow) {
    support::MessageBoxView box = ClickAndRead([] { throw std::runtime_error("x"); });
    EXPECT_EQ(box.owner, app->Handle());
    EXPECT_FALSE(IsWindowVisible(app->Handle()));
}

TEST_F(ErrorBox, AddsNoFullStopAfterOneOrAfterCharactersSortingBeforeIt) {
    EXPECT_EQ(ClickAndRead([] { throw std::runtime_error("done."); }).text, "done.");
    EXPECT_EQ(ClickAndRead([] { throw std::runtime_error("(x)"); }).text, "(x)");
}

TEST_F(ErrorBox, ReportsExceptionsFromOutsideTheStandardFamily) {
    support::MessageBoxView box = ClickAndRead([] { throw 42; });
    EXPECT_FALSE(box.text.empty());
    EXPECT_EQ(box.icon, support::BoxIcon::Error);
}

// Its message is English, for developers.
TEST_F(ErrorBox, ShowsTheUnknownErrorTextForABrokenInvariantOfTheWindowLayer) {
    EXPECT_EQ(ClickAndRead([] { throw ui::WindowLayerError("cannot create window"); }).text,
              ui::ErrorBoxText(kUnknownErrorText));
}

// The fonts and glyphs for the new DPI are all made before any is handed over: a glyph that
// cannot be loaded leaves the button drawing with what it had, none of it freed.
TEST_F(ErrorBox, AGlyphMissingAtANewDpiLeavesTheFormAsItWas) {
    HWND button = form->Control(kThrowButton);
    support::MessageBoxView box = ReadBoxOf([] {
        RECT frame{0, 0, 400, 240};
        SendMessageA(form->Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
                     reinterpret_cast<LPARAM>(&frame));
    });
    EXPECT_EQ(box.text, ui::ErrorBoxText(kUnknownErrorText));
    LOGFONTW font{};
    ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)),
                         sizeof font, &font),
              0)
        << "the button's font was freed";
    EXPECT_EQ(font.lfHeight, -12);
    BUTTON_IMAGELIST images{};
    SendMessageW(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    int side = 0, height = 0;
    EXPECT_TRUE(ImageList_GetIconSize(images.himl, &side, &height));
    EXPECT_EQ(side, 16) << "the button's glyph was freed";
}

TEST_F(ErrorBox, TheFormKeepsWorkingAfterwards) {
    ClickAndRead([] { throw std::runtime_error("first"); });
    EXPECT_EQ(ClickAndRead([] { throw std::runtime_error("second"); }).text, "second.");
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST(ErrorBoxText, FollowsTheFullStopRule) {
    EXPECT_EQ(ui::ErrorBoxText(""), "");
    EXPECT_EQ(ui::ErrorBoxText("abc"), "abc.");
    EXPECT_EQ(ui::ErrorBoxText("abc."), "abc.");
    EXPECT_EQ(ui::ErrorBoxText("abc!"), "abc!");
    EXPECT_EQ(ui::ErrorBoxText("abc-"), "abc-");
    EXPECT_EQ(ui::ErrorBoxText("abc/"), "abc/.");
    EXPECT_EQ(ui::ErrorBoxText("1"), "1.");
    // A double-byte last character always sorts after ".", the ideographic full stop included.
    EXPECT_EQ(ui::ErrorBoxText("保存しました。"), "保存しました。.");
}

}  // namespace
