// Output with something happening under the program's feet while a handler waits in a modal
// box: a close from another program, a second click, a registry that changes between builds,
// a clipboard that another program holds.
// The real Quorvin.exe, driven from this process.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/OutputFixture.h"
#include "support/Clipboard.h"
#include "support/Uninstall.h"

namespace {

using namespace output;

const std::string kPrevious("previous\0", 9);

// Every build stops at the second entry with a message, and waits in its box.
void SeedABuildThatStopsWithAMessage() {
    driver::AddDisplayName("1", "One");
    driver::AddUninstallEntry("2", REG_DWORD, std::string(4, '\x01'));
}

std::string ClipboardStart() {
    return driver::ReadClipboardBlock().substr(0, kPrevious.size());
}

class Interrupted : public OutputFixture {
  protected:
    // With "previous" on the clipboard, starts a copy whose first build stops with a message;
    // the message box, left open.
    HWND CopyUntilTheFirstBuildMessage() {
        EXPECT_TRUE(holder.Put("previous"));
        SeedABuildThatStopsWithAMessage();
        Start();
        driver::Click(Button(kCopyButton));
        return WaitForBox();
    }

    driver::ClipboardHolder holder;
};

TEST_F(Interrupted, ACloseWhileTheBuildMessageIsUpWritesNoFile) {
    SeedABuildThatStopsWithAMessage();
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    std::string path = folder + "\\report.txt";
    driver::EnterFileName(dialog, path);
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    driver::Answer(box, IDOK);

    EXPECT_EQ(program->WaitExit(), 0u) << "no further box, the program ends";
    EXPECT_FALSE(FileExists(path));
}

TEST_F(Interrupted, ACloseWhileTheBuildMessageIsUpCopiesNothing) {
    HWND box = CopyUntilTheFirstBuildMessage();
    ASSERT_NE(box, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    driver::Answer(box, IDOK);

    EXPECT_EQ(program->WaitExit(), 0u) << "no second build's box, the program ends";
    EXPECT_EQ(ClipboardStart(), kPrevious);
}

TEST_F(Interrupted, AnEmptySecondBuildCopiesNothingAndSaysNothing) {
    HWND box = CopyUntilTheFirstBuildMessage();
    ASSERT_NE(box, nullptr);
    // Gone while the first build's message is up: the second build finds nothing.
    driver::RemoveUninstallKeys();
    driver::Answer(box, IDOK);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));

    ExpectStillWaiting();
    EXPECT_EQ(ClipboardStart(), kPrevious);
    ExitNormally();
}

TEST_F(Interrupted, TwoClicksAtOnceOpenOneSaveDialog) {
    Start();
    driver::Click(Button(kSaveButton));
    driver::Click(Button(kSaveButton));
    HWND dialog = driver::WaitForSaveDialog(program->Pid());
    ASSERT_NE(dialog, nullptr);
    driver::Answer(dialog, IDCANCEL);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(dialog); }));
    ExpectStillWaiting();
    ExitNormally();
}

TEST_F(Interrupted, TwoClicksAtOnceCopyOnceWithOneMessage) {
    driver::AddDisplayName("1", "App");
    Start();
    driver::Click(Button(kCopyButton));
    driver::Click(Button(kCopyButton));

    int messages = 0;
    for (;;) {
        HWND box = nullptr;
        driver::WaitUntil([&] {
            box = driver::WaitForDialog(program->Pid(), 0);
            return box || !program->Running();
        });
        if (!box) break;
        ++messages;
        EXPECT_EQ(driver::ReadMessageBox(box).text, kCopied);
        driver::Answer(box, IDOK);
        driver::WaitUntil([&] { return !IsWindow(box); });
    }
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(program->WaitExit(), 0u);
}

TEST_F(Interrupted, TwoClicksAtOnceOpenOneAboutDialog) {
    const std::string aboutClass = "T_ZDQGUICommonAboutForm";
    const std::string aboutCaption = "Quorvin のバージョン情報";
    Start();
    driver::Click(Button("About.."));
    driver::Click(Button("About.."));
    HWND about = program->WaitForWindow(aboutClass, aboutCaption);
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(about); }));
    EXPECT_EQ(program->WaitForWindow(aboutClass, aboutCaption, 1000), nullptr);
    EXPECT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }));
    ExitNormally();
}

// The error box of a failed output is still that click's work: a click meanwhile starts
// nothing, and the next click after it works.
TEST_F(Interrupted, AClickWhileTheFileErrorIsUpStartsNothing) {
    ASSERT_TRUE(holder.Put("previous"));
    driver::AddDisplayName("1", "App");
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    driver::EnterFileName(dialog, folder + "\\missing\\out");
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    driver::Click(Button(kCopyButton));
    Sleep(1000);
    EXPECT_EQ(ClipboardStart(), kPrevious);
    driver::Answer(box, IDOK);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
    ExpectStillWaiting();

    driver::Click(Button(kCopyButton));
    EXPECT_EQ(NextBox().text, kCopied);
    EXPECT_EQ(program->WaitExit(), 0u);
}

TEST_F(Interrupted, AClickWhileTheClipboardErrorIsUpStartsNothing) {
    driver::AddDisplayName("1", "App");
    ASSERT_TRUE(holder.HoldOpen());
    Start();
    driver::Click(Button(kCopyButton));
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    driver::Click(Button(kSaveButton));
    EXPECT_EQ(driver::WaitForSaveDialog(program->Pid(), 1000), nullptr);
    driver::Answer(box, IDOK);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
    holder.Release();
    ExpectStillWaiting();

    driver::Click(Button(kSaveButton));
    HWND dialog = driver::WaitForSaveDialog(program->Pid());
    ASSERT_NE(dialog, nullptr);
    driver::Answer(dialog, IDCANCEL);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(dialog); }));
    ExitNormally();
}

}  // namespace
