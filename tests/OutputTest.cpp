// The report output, end to end: the real Quorvin.exe driven from this process on a registry
// that the test seeds.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "resources/Product.h"
#include "tests/OutputFixture.h"
#include "support/Clipboard.h"
#include "support/Uninstall.h"
#include "win/ErrorText.h"

namespace {

using namespace output;
using Output = OutputFixture;

TEST_F(Output, SavesTheReportToTheChosenFileSaysSoAndCloses) {
    driver::AddDisplayName("01", "  Alpha  ");
    driver::AddDisplayName("02", "表計算ソフト");
    driver::AddDisplayName("01", "Other View Tool", driver::kOtherView);
    driver::AddDisplayName("01", "Per-User Tool ", driver::kUser);
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(driver::FileTypeText(dialog), "テキストファイル（*.txt）");
    driver::EnterFileName(dialog, folder + "\\report");

    bool mainVisible = false;
    driver::MessageBoxView info = NextBox(&mainVisible);
    EXPECT_EQ(info.text, kSaved);
    EXPECT_EQ(info.icon, driver::BoxIcon::Information);
    EXPECT_TRUE(mainVisible) << "the main window stays visible behind the message";
    EXPECT_EQ(program->WaitExit(), 0u);

    std::string bytes = ReadFile(folder + "\\report.txt");
    EXPECT_EQ(bytes, driver::ExpectedReportText(
                         {"Alpha", "表計算ソフト", "Other View Tool", "Per-User Tool"}));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\x81\x79");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_NE(bytes.find("\r\n\r\n\x81\x79"), std::string::npos);
}

TEST_F(Output, AsksBeforeOverwritingAndLeavesTheFileWhenTheReportIsEmpty) {
    std::string path = folder + "\\exists.txt";
    WriteFile(path, "old content");
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    driver::EnterFileName(dialog, folder + "\\exists");
    HWND prompt = driver::WaitForOwnedDialog(dialog);
    ASSERT_NE(prompt, nullptr) << "no overwrite prompt";
    driver::Answer(prompt, IDYES);

    driver::MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, kNoApplications);
    EXPECT_EQ(box.icon, driver::BoxIcon::None);
    ExpectStillWaiting();
    EXPECT_EQ(ReadFile(path), "old content");
    ExitNormally();
}

TEST_F(Output, CancellingTheDialogReadsNothing) {
    driver::AddUninstallEntry("1", REG_DWORD, std::string(4, '\0'));  // would give an error
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    driver::Answer(dialog, IDCANCEL);
    driver::WaitUntil([&] { return !IsWindow(dialog); });
    ExpectStillWaiting();
    ExitNormally();
}

TEST_F(Output, ReportsAFileThatCannotBeCreated) {
    driver::AddDisplayName("1", "App");
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    driver::EnterFileName(dialog, folder + "\\missing\\out");

    driver::MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, "ファイル \"" + folder + "\\missing\\out.txt\". " +
                            win::SystemErrorText(ERROR_PATH_NOT_FOUND) + " を作成できません.");
    EXPECT_EQ(box.icon, driver::BoxIcon::Error);
    ExpectStillWaiting();
    ExitNormally();
}

TEST_F(Output, NamesTheFileThatCannotBeCreatedExactlyAsChosen) {
    driver::AddDisplayName("1", "App");
    Start();
    // Places for a format and the 0x5C trail byte of 表 are part of the name, nothing more.
    for (const std::string name : {"100%s", "50%", "%d", "100%%", "表"}) {
        driver::Click(Button(kSaveButton));
        HWND dialog = driver::WaitForSaveDialog(program->Pid());
        ASSERT_NE(dialog, nullptr) << name;
        std::string path = folder + "\\nodir\\" + name;
        driver::EnterFileName(dialog, path);
        EXPECT_EQ(NextBox().text, "ファイル \"" + path + ".txt\". " +
                                      win::SystemErrorText(ERROR_PATH_NOT_FOUND) +
                                      " を作成できません.")
            << name;
    }
    ExpectStillWaiting();
    ExitNormally();
}

TEST_F(Output, ReportsAWriteThatFails) {
    driver::AddDisplayName("1", "App");
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    // The trailing dot keeps the name as typed: the device that is always full.
    driver::EnterFileName(dialog, "Z:\\dev\\full.");
    if (HWND prompt = driver::WaitForOwnedDialog(dialog, 2000)) driver::Answer(prompt, IDYES);

    driver::MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, "ストリームへの書き込みエラー.");
    EXPECT_EQ(box.icon, driver::BoxIcon::Error);
    ExpectStillWaiting();
    ExitNormally();
}

TEST_F(Output, CopiesTheReportWithItsNulHidesTheWindowAndCloses) {
    driver::ClipboardHolder holder;
    ASSERT_TRUE(holder.Put("previous"));
    driver::AddDisplayName("z", "Other View Tool", driver::kOtherView);
    driver::AddDisplayName("a", "Alpha");
    driver::AddDisplayName("b", "　全角の名前　");
    driver::AddDisplayName("p", "ユーザーのツール", driver::kUser);
    Start();
    driver::Click(Button(kCopyButton));

    HWND box = driver::WaitForWindow(program->Pid(), "#32770", QUORVIN_PROGRAM_NAME);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowVisible(window)) << "the main window is hidden before the message";
    std::string block = driver::ReadClipboardBlock();
    std::wstring unicode = driver::ReadClipboardUnicode();
    driver::MessageBoxView info = driver::ReadMessageBox(box);
    EXPECT_EQ(info.text, kCopied);
    EXPECT_EQ(info.icon, driver::BoxIcon::Information);
    driver::Answer(box, IDOK);
    EXPECT_EQ(program->WaitExit(), 0u);

    std::string expected = driver::ExpectedReportText(
        {"Alpha", "　全角の名前　", "Other View Tool", "ユーザーのツール"});
    ASSERT_GT(block.size(), expected.size());
    EXPECT_EQ(block.substr(0, expected.size() + 1), expected + std::string(1, '\0'));
    // A Unicode reader gets exactly the text those Shift-JIS bytes mean.
    EXPECT_EQ(unicode, driver::FromShiftJis(expected));
}

TEST_F(Output, CopiesAPartialReportAfterShowingTheBuildErrorTwice) {
    driver::ClipboardHolder holder;
    driver::AddDisplayName("1", "One");
    driver::AddDisplayName("2", "Two");
    driver::AddUninstallEntry("3", REG_DWORD, std::string(4, '\x01'));
    driver::AddDisplayName("4", "Four");
    Start();
    driver::Click(Button(kCopyButton));

    // The plain message dialog: no icon, the title as caption, centred on the screen.
    HWND first = WaitForBox();
    ASSERT_NE(first, nullptr);
    driver::MessageBoxView view = driver::ReadMessageBox(first);
    EXPECT_EQ(view.text, kBadType);
    EXPECT_EQ(view.icon, driver::BoxIcon::None);
    RECT r{};
    GetWindowRect(first, &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 2);
    driver::Answer(first, IDOK);
    ASSERT_TRUE(driver::WaitUntil([&] { return !IsWindow(first); }));
    EXPECT_EQ(NextBox().text, kBadType);
    HWND box = driver::WaitForWindow(program->Pid(), "#32770", QUORVIN_PROGRAM_NAME);
    ASSERT_NE(box, nullptr);
    std::string block = driver::ReadClipboardBlock();
    EXPECT_EQ(driver::ReadMessageBox(box).text, kCopied);
    driver::Answer(box, IDOK);
    EXPECT_EQ(program->WaitExit(), 0u);
    std::string expected = driver::ExpectedReportText({"One", "Two"});
    EXPECT_EQ(block.substr(0, expected.size() + 1), expected + std::string(1, '\0'));
}

TEST_F(Output, AnEmptyReportLeavesTheClipboardAlone) {
    driver::ClipboardHolder holder;
    ASSERT_TRUE(holder.Put("previous"));
    Start();
    driver::Click(Button(kCopyButton));
    EXPECT_EQ(NextBox().text, kNoApplications);
    ExpectStillWaiting();

    driver::RemoveUninstallKeys();
    driver::Click(Button(kCopyButton));
    ExpectStillWaiting();
    EXPECT_EQ(driver::ReadClipboardBlock().substr(0, 9), std::string("previous\0", 9));
    ExitNormally();
}

TEST_F(Output, WaitsForAClipboardThatAnotherProgramHoldsForAMoment) {
    driver::AddDisplayName("1", "App");
    driver::ClipboardHolder holder;
    ASSERT_TRUE(holder.HoldOpen());
    Start();
    driver::Click(Button(kCopyButton));
    Sleep(300);
    holder.Release();

    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    std::string block = driver::ReadClipboardBlock();
    EXPECT_EQ(driver::ReadMessageBox(box).text, kCopied);
    driver::Answer(box, IDOK);
    EXPECT_EQ(program->WaitExit(), 0u);
    std::string expected = driver::ExpectedReportText({"App"});
    EXPECT_EQ(block.substr(0, expected.size() + 1), expected + std::string(1, '\0'));
}

TEST_F(Output, ReportsAClipboardThatAnotherProgramHoldsOpen) {
    driver::AddDisplayName("1", "App");
    driver::ClipboardHolder holder;
    ASSERT_TRUE(holder.Put("previous"));
    ASSERT_TRUE(holder.HoldOpen());
    Start();
    driver::Click(Button(kCopyButton));

    bool mainVisible = false;
    driver::MessageBoxView box = NextBox(&mainVisible);
    EXPECT_EQ(box.text, "クリップボードを開くことができません.");
    EXPECT_EQ(box.icon, driver::BoxIcon::Error);
    EXPECT_TRUE(mainVisible) << "the window is not hidden when the copy failed";
    holder.Release();
    ExpectStillWaiting();
    EXPECT_EQ(driver::ReadClipboardBlock().substr(0, 9), std::string("previous\0", 9));
    ExitNormally();
}

}  // namespace
