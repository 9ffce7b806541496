// The main window as a user meets it: its look, its keyboard behaviour and how it closes.
#include <gtest/gtest.h>

#include <string>

#include "about/ZDQBaseCommonAboutForm.h"
#include "resources/FormFont.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/Driver.h"
#include "win/GdiGuards.h"
#include "win/WindowClass.h"

namespace {

struct ExpectedControl {
    const char* className;
    const char* text;
    RECT rect;  // left, top, right, bottom in the client area
};

const ExpectedControl kExpected[] = {
    {win::kStaticClass, kFirstInstruction, {9, 13, 318, 25}},
    {win::kStaticClass, kSecondInstruction, {9, 29, 136, 41}},
    {win::kButtonClass, kSaveButtonCaption, {6, 48, 170, 78}},
    {win::kButtonClass, kCopyButtonCaption, {172, 48, 336, 78}},
    {win::kButtonClass, kAboutButtonCaption, {356, 48, 434, 78}},
    {win::kButtonClass, kExitButtonCaption, {437, 48, 515, 78}},
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
        window = program.WaitForWindow(kMainWindowClass, kMainWindowCaption);
        ASSERT_NE(window, nullptr) << "main window not found";
    }

    HWND Button(const char* text) const {
        return support::FindChild(window, win::kButtonClass, text);
    }

    support::Program program;
    HWND window = nullptr;
};

TEST_F(MainWindow, HasItsCaptionSizeAndFixedFrame) {
    EXPECT_EQ(support::Text(window), kMainWindowCaption);
    SIZE client = support::ClientSize(window);
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
        std::string text = support::Text(child);
        const ExpectedControl* match = nullptr;
        for (const ExpectedControl& e : kExpected)
            if (text == e.text) match = &e;
        ASSERT_NE(match, nullptr) << "unexpected control " << text;
        EXPECT_TRUE(win::IsWindowClass(child, match->className)) << text;
        RECT r = support::RectInParent(child);
        EXPECT_EQ(r.left, match->rect.left) << text;
        EXPECT_EQ(r.top, match->rect.top) << text;
        EXPECT_EQ(r.bottom, match->rect.bottom) << text;
        if (match->className == std::string(win::kStaticClass)) {
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
    const char* order[] = {kSaveButtonCaption, kCopyButtonCaption, kAboutButtonCaption,
                           kExitButtonCaption};
    ASSERT_TRUE(support::WaitUntil([&] { return support::FocusOf(window) == Button(order[0]); }));
    for (int i = 1; i <= 4; ++i) {
        support::PressKey(window, VK_TAB);
        HWND next = Button(order[i % 4]);
        EXPECT_TRUE(support::WaitUntil([&] { return support::FocusOf(window) == next; }))
            << "after " << i << " tab(s)";
    }
}

TEST_F(MainWindow, FileButtonIsTheDefaultButton) {
    HWND save = Button(kSaveButtonCaption);
    EXPECT_EQ(GetWindowLongA(save, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    for (const char* other : {kCopyButtonCaption, kAboutButtonCaption, kExitButtonCaption})
        EXPECT_EQ(GetWindowLongA(Button(other), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << other;
    // Enter goes to the button the window names as its default.
    LRESULT def = SendMessageA(window, DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(def), DC_HASDEFID);
    EXPECT_EQ(LOWORD(def), GetDlgCtrlID(save));
}

TEST_F(MainWindow, EscapeLeavesTheWindowOpen) {
    support::PressKey(window, VK_ESCAPE);
    EXPECT_EQ(support::WaitForDialog(program.Pid(), 1000), nullptr);
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(IsWindowVisible(window));
    // The window still answers: the exit button ends it normally.
    support::Click(Button(kExitButtonCaption));
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, EnterRightAfterTheStartRunsTheFileButton) {
    support::PressKey(window, VK_RETURN);
    HWND dialog = support::WaitForSaveDialog(program.Pid());
    ASSERT_NE(dialog, nullptr) << "Enter did not open the save dialog";
    support::Answer(dialog, IDCANCEL);
    EXPECT_TRUE(support::WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(MainWindow, EnterOnAnotherFocusedButtonRunsThatButton) {
    support::PressKey(window, VK_TAB);
    support::PressKey(window, VK_TAB);
    support::PressKey(window, VK_TAB);  // the exit button
    ASSERT_TRUE(
        support::WaitUntil([&] { return support::FocusOf(window) == Button(kExitButtonCaption); }));
    support::PressKey(window, VK_RETURN);
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, ExitButtonEndsTheProgram) {
    support::Click(Button(kExitButtonCaption));
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, AccessKeyOfTheExitButtonEndsTheProgram) {
    support::PressAltKey(window, 'X');
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, CloseBoxEndsTheProgram) {
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, AltF4EndsTheProgram) {
    support::PressAltKey(window, VK_F4);
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, AboutShowsTheStoredFactsAndLeavesTheWindowAsItWas) {
    using Id = T_ZDQBaseCommonAboutForm::ControlId;
    RECT before{};
    GetWindowRect(window, &before);
    support::Click(Button(kAboutButtonCaption));
    HWND about = program.WaitForWindow(kAboutClass, kAboutCaption);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(support::Text(GetDlgItem(about, Id::idLblProductName)), QUORVIN_PROGRAM_NAME);
    EXPECT_EQ(support::Text(GetDlgItem(about, Id::idLblProductVersion)), QUORVIN_VERSION_TEXT);
    EXPECT_EQ(support::Text(GetDlgItem(about, Id::idLblCompanyName)), QUORVIN_COMPANY_NAME);
    EXPECT_EQ(support::Text(GetDlgItem(about, Id::idLblCopyright)), QUORVIN_COPYRIGHT);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(about, Id::idImgAppIcon)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(about, Id::idMemAppendix)));
    SIZE client = support::ClientSize(about);
    EXPECT_EQ(client.cx, kAboutLayoutWidth);
    EXPECT_EQ(client.cy, 107);
    EXPECT_FALSE(IsWindowEnabled(window)) << "the dialog is modal";

    ASSERT_TRUE(support::WaitForFocusWithin(about));
    support::PressKey(about, VK_ESCAPE);
    EXPECT_TRUE(support::WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(support::WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }));
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_EQ(support::Text(window), kMainWindowCaption);

    support::Click(Button(kExitButtonCaption));
    EXPECT_EQ(program.WaitExit(), 0u);
}

TEST_F(MainWindow, CanBeMinimised) {
    PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(support::WaitUntil([&] { return IsIconic(window) != FALSE; }));
}

}  // namespace
