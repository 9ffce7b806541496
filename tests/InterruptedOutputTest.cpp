// Output with something happening under the program's feet while a handler waits in a modal
// box or for the clipboard: a close from another program, a second click, a registry that
// changes between builds, a clipboard that another program holds.
// The real Quorvin.exe, driven from this process.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Uninstall.h"
#include "tests/OutputFixture.h"

namespace {

using namespace output;

const std::string kPrevious("previous\0", 9);

// Every build stops at the second entry with a message, and waits in its box.
void SeedABuildThatStopsWithAMessage() {
    support::AddDisplayName("1", "One");
    support::AddUninstallEntry("2", REG_DWORD, std::string(4, '\x01'));
}

std::string ClipboardStart() {
    return support::ReadClipboardBlock().substr(0, kPrevious.size());
}

class Interrupted : public OutputFixture {
  protected:
    // With "previous" on the clipboard, starts a copy whose first build stops with a message;
    // the message box, left open.
    HWND CopyUntilTheFirstBuildMessage() {
        EXPECT_TRUE(holder.Put("previous"));
        SeedABuildThatStopsWithAMessage();
        Start();
        support::Click(Button(kCopyButtonCaption));
        return WaitForBox();
    }

    support::ClipboardHolder holder;
};

TEST_F(Interrupted, ACloseWhileTheBuildMessageIsUpWritesNoFile) {
    SeedABuildThatStopsWithAMessage();
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    std::string path = folder + "\\report.txt";
    support::EnterFileName(dialog, path);
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    support::Answer(box, IDOK);

    EXPECT_EQ(program->WaitExit(), 0u) << "no further box, the program ends";
    EXPECT_FALSE(FileExists(path));
}

TEST_F(Interrupted, ACloseWhileTheBuildMessageIsUpCopiesNothing) {
    HWND box = CopyUntilTheFirstBuildMessage();
    ASSERT_NE(box, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    support::Answer(box, IDOK);

    EXPECT_EQ(program->WaitExit(), 0u) << "no second build's box, the program ends";
    EXPECT_EQ(ClipboardStart(), kPrevious);
}

TEST_F(Interrupted, AnEmptySecondBuildCopiesNothingAndSaysNothing) {
    HWND box = CopyUntilTheFirstBuildMessage();
    ASSERT_NE(box, nullptr);
    // Gone while the first build's message is up: the second build finds nothing.
    support::RemoveUninstallKeys();
    support::Answer(box, IDOK);
    ASSERT_TRUE(support::WaitUntil([&] { return !IsWindow(box); }));

    ExpectStillWaiting();
    EXPECT_EQ(ClipboardStart(), kPrevious);
    ExitNormally();
}

TEST_F(Interrupted, TwoClicksAtOnceOpenOneSaveDialog) {
    Start();
    support::Click(Button(kSaveButtonCaption));
    support::Click(Button(kSaveButtonCaption));
    HWND dialog = support::WaitForSaveDialog(program->Pid());
    ASSERT_NE(dialog, nullptr);
    support::Answer(dialog, IDCANCEL);
    ASSERT_TRUE(support::WaitUntil([&] { return !IsWindow(dialog); }));
    ExpectStillWaiting();
    ExitNormally();
}

TEST_F(Interrupted, TwoClicksAtOnceCopyOnceWithOneMessage) {
    support::AddDisplayName("1", "App");
    Start();
    support::Click(Button(kCopyButtonCaption));
    support::Click(Button(kCopyButtonCaption));

    int messages = 0;
    for (;;) {
        HWND box = nullptr;
        support::WaitUntil([&] {
            box = support::WaitForDialog(program->Pid(), 0);
            return box || !program->Running();
        });
        if (!box) break;
        ++messages;
        EXPECT_EQ(support::ReadMessageBox(box).text, kCopied);
        support::Answer(box, IDOK);
        support::WaitUntil([&] { return !IsWindow(box); });
    }
    EXPECT_EQ(messages, 1);
    EXPECT_EQ(program->WaitExit(), 0u);
}

TEST_F(Interrupted, TwoClicksAtOnceOpenOneAboutDialog) {
    Start();
    support::Click(Button(kAboutButtonCaption));
    support::Click(Button(kAboutButtonCaption));
    HWND about = program->WaitForWindow(kAboutClass, kAboutCaption);
    ASSERT_NE(about, nullptr);
    PostMessageA(about, WM_CLOSE, 0, 0);
    ASSERT_TRUE(support::WaitUntil([&] { return !IsWindowVisible(about); }));
    EXPECT_EQ(program->WaitForWindow(kAboutClass, kAboutCaption, 1000), nullptr);
    EXPECT_TRUE(support::WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }));
    ExitNormally();
}

// The wait for a clipboard that another program holds is a wait like the boxes': a close that
// arrives during it ends the work there, before the clipboard is touched, and shows nothing.
TEST_F(Interrupted, ACloseWhileTheClipboardIsBusyCopiesNothing) {
    support::AddDisplayName("1", "App");
    ASSERT_TRUE(holder.Put("previous"));
    ASSERT_TRUE(holder.HoldOpen());
    Start();
    support::Click(Button(kCopyButtonCaption));
    Sleep(300);
    PostMessageA(window, WM_CLOSE, 0, 0);
    bool boxShown = false;
    support::WaitUntil(
        [&] {
            boxShown = boxShown || support::WaitForDialog(program->Pid(), 0) != nullptr;
            return !program->Running();
        },
        400);
    holder.Release();

    EXPECT_EQ(program->WaitExit(), 0u);
    EXPECT_FALSE(boxShown);
    EXPECT_EQ(ClipboardStart(), kPrevious);
}

// The error box of a failed output is still that click's work: a click meanwhile starts
// nothing, and the next click after it works.
TEST_F(Interrupted, AClickWhileTheFileErrorIsUpStartsNothing) {
    ASSERT_TRUE(holder.Put("previous"));
    support::AddDisplayName("1", "App");
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    support::EnterFileName(dialog, folder + "\\missing\\out");
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    support::Click(Button(kCopyButtonCaption));
    Sleep(1000);
    EXPECT_EQ(ClipboardStart(), kPrevious);
    support::Answer(box, IDOK);
    ASSERT_TRUE(support::WaitUntil([&] { return !IsWindow(box); }));
    ExpectStillWaiting();

    support::Click(Button(kCopyButtonCaption));
    EXPECT_EQ(NextBox().text, kCopied);
    EXPECT_EQ(program->WaitExit(), 0u);
}

TEST_F(Interrupted, AClickWhileTheClipboardErrorIsUpStartsNothing) {
    support::AddDisplayName("1", "App");
    ASSERT_TRUE(holder.HoldOpen());
    Start();
    support::Click(Button(kCopyButtonCaption));
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    support::Click(Button(kSaveButtonCaption));
    EXPECT_EQ(support::WaitForSaveDialog(program->Pid(), 1000), nullptr);
    support::Answer(box, IDOK);
    ASSERT_TRUE(support::WaitUntil([&] { return !IsWindow(box); }));
    holder.Release();
    ExpectStillWaiting();

    support::Click(Button(kSaveButtonCaption));
    HWND dialog = support::WaitForSaveDialog(program->Pid());
    ASSERT_NE(dialog, nullptr);
    support::Answer(dialog, IDCANCEL);
    ASSERT_TRUE(support::WaitUntil([&] { return !IsWindow(dialog); }));
    ExitNormally();
}

}  // namespace
