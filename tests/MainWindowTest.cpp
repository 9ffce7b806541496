// The main window as a user meets it: its look, its keyboard behaviour and how it closes.
#include <gtest/gtest.h>

#include <string>

#include "resources/Product.h"
#include "about/ZDQBaseCommonAboutForm.h"
#include "support/Driver.h"
#include "win/GdiGuards.h"

namespace {

const std::string kMainClass = "TfrmQuorvinMain";
const std::string kMainCaption = "Brindlex - アプリケーションの一覧を取得";

struct ExpectedControl {
    const char* className;
    const char* text;
    RECT rect;  // left, top, right, bottom in the client area
};

const ExpectedControl kExpected[] = {
    {"Static", "インストールされているアプリケーションの一覧を出力します。", {9, 13, 318, 25}},
    {"Static", "出力先を選んでください。", {9, 29, 136, 41}},
    {"Button", "ファイルに出力(&F)", {6, 48, 170, 78}},
    {"Button", "クリップボードにコピー(&C)", {172, 48, 336, 78}},
    {"Button", "About..", {356, 48, 434, 78}},
    {"Button", "終了(&X)", {437, 48, 515, 78}},
};

// Width of a text in the window's font, measured the same way in this process.
int TextWidth(const std::string& text) {
    win::UniqueHfont font(CreateFontA(-kFormFont.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                      kFormFont.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                      DEFAULT_QUALITY, DEFAULT_PITCH, kFormFont.face));
    win::WindowDc dc(nullptr);
    win::SelectedObject selected(dc.get(), font.get());
    RECT r{0, 0, 0, 0};
    DrawTextA(dc.get(), text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return r.right;
}

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window = program.WaitForWindow(kMainClass, kMainCaption);
        ASSERT_NE(window, nullptr) << "main window not found";
    }

    HWND Button(const char* text) const { return driver::FindChild(window, "Button", text); }

    driver::Program program;
    HWND window = nullptr;
};

TEST_F(MainWindow, HasItsCaptionSizeAndFixedFrame) {
    EXPECT_EQ(driver::Text(window), kMainCaption);
    SIZE client = driver::ClientSize(window);
    EXPECT_EQ(client.cx, 521);
    EXPECT_EQ(client.cy, 82);

    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
}

TEST_F(MainWindow, IsCentredOnTheScreen) {
    RECT r{};
    GetWindowRect(window, &r);
    int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(r.left, (screenW - (r.right - r.left)) / 2, 1);
    EXPECT_NEAR(r.top, (screenH - (r.bottom - r.top)) / 2, 1);
}

TEST_F(MainWindow, ShowsLabelsAndButtonsWhereTheLayoutPutsThem) {
    int found = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ++found;
        std::string text = driver::Text(child);
        const ExpectedControl* match = nullptr;
        for (const ExpectedControl& e : kExpected)
            if (text == e.text) match = &e;
        ASSERT_NE(match, nullptr) << "unexpected control " << text;
        EXPECT_EQ(driver::ClassName(child), match->className) << text;
        RECT r = driver::RectInParent(child);
        EXPECT_EQ(r.left, match->rect.left) << text;
        EXPECT_EQ(r.top, match->rect.top) << text;
        EXPECT_EQ(r.bottom, match->rect.bottom) << text;
        if (match->className == std::string("Static")) {
            // A label keeps its layout width unless the installed font needs more for the text.
            EXPECT_GE(r.right, match->rect.right) << text;
            EXPECT_GE(r.right - r.left, TextWidth(text)) << text;
        } else {
            EXPECT_EQ(r.right, match->rect.right) << text;
        }
        EXPECT_TRUE(IsWindowVisible(child)) << text;
    }
    EXPECT_EQ(found, 6);
}

TEST_F(MainWindow, TabsThroughTheButtonsInOrderStartingAtTheFileButton) {
    const char* order[] = {"ファイルに出力(&F)", "クリップボードにコピー(&C)", "About..",
                           "終了(&X)"};
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::FocusOf(window) == Button(order[0]); }));
    for (int i = 1; i <= 4; ++i) {
        driver::PressKey(window, VK_TAB);
        HWND next = Button(order[i % 4]);
        EXPECT_TRUE(driver::WaitUntil([&] { return driver::FocusOf(window) == next; }))
            << "after " << i << " tab(s)";
    }
}

TEST_F(MainWindow, FileButtonIsTheDefaultButton) {
    HWND save = Button("ファイルに出力(&F)");
    EXPECT_EQ(GetWindowLongA(save, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    for (const char* other : {"クリップボードにコピー(&C)", "About..", "終了(&X)"})
        EXPECT_EQ(GetWindowLongA(Button(other), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << other;
    // Enter goes to the button the window names as its default.
    LRESULT def = SendMessageA(window, DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(def), DC_HASDEFID);
    EXPECT_EQ(LOWORD(def), GetDlgCtrlID(save));
}

TEST_F(MainWindow, EscapeLeavesTheWindowOpen) {
    driver::PressKey(window, VK_ESCAPE);
    EXPECT_EQ(driver::WaitForDialog(program.Pid(), 1000), nullptr);
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(IsWindowVisible(window));
    // The window still answers: the exit button ends it normally.
    driver::Click(Button("終了(&X)"));
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, EnterRightAfterTheStartRunsTheFileButton) {
    driver::PressKey(window, VK_RETURN);
    HWND dialog = driver::WaitForSaveDialog(program.Pid());
    ASSERT_NE(dialog, nullptr) << "Enter did not open the save dialog";
    driver::Answer(dialog, IDCANCEL);
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(MainWindow, EnterOnAnotherFocusedButtonRunsThatButton) {
    driver::PressKey(window, VK_TAB);
    driver::PressKey(window, VK_TAB);
    driver::PressKey(window, VK_TAB);  // the exit button
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::FocusOf(window) == Button("終了(&X)"); }));
    driver::PressKey(window, VK_RETURN);
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, ExitButtonEndsTheProgram) {
    driver::Click(Button("終了(&X)"));
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, AccessKeyOfTheExitButtonEndsTheProgram) {
    driver::PressAltKey(window, 'X');
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, CloseBoxEndsTheProgram) {
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, AltF4EndsTheProgram) {
    driver::PressAltKey(window, VK_F4);
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, AboutShowsTheStoredFactsAndLeavesTheWindowAsItWas) {
    using Id = T_ZDQBaseCommonAboutForm::ControlId;
    RECT before{};
    GetWindowRect(window, &before);
    driver::Click(Button("About.."));
    HWND about = program.WaitForWindow("T_ZDQGUICommonAboutForm", "Quorvin のバージョン情報");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(driver::Text(GetDlgItem(about, Id::idLblProductName)), QUORVIN_PROGRAM_NAME);
    EXPECT_EQ(driver::Text(GetDlgItem(about, Id::idLblProductVersion)), QUORVIN_VERSION_TEXT);
    EXPECT_EQ(driver::Text(GetDlgItem(about, Id::idLblCompanyName)), QUORVIN_COMPANY_NAME);
    EXPECT_EQ(driver::Text(GetDlgItem(about, Id::idLblCopyright)), QUORVIN_COPYRIGHT);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(about, Id::idImgAppIcon)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(about, Id::idMemAppendix)));
    SIZE client = driver::ClientSize(about);
    EXPECT_EQ(client.cx, 500);
    EXPECT_EQ(client.cy, 107);
    EXPECT_FALSE(IsWindowEnabled(window)) << "the dialog is modal";

    ASSERT_TRUE(driver::WaitForFocusWithin(about));
    driver::PressKey(about, VK_ESCAPE);
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }));
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(driver::Text(window), kMainCaption);

    driver::Click(Button("終了(&X)"));
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, CanBeMinimised) {
    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(driver::WaitUntil([&] { return IsIconic(window) != FALSE; }));
}

}  // namespace
