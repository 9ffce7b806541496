// The report output, end to end: the real Quorvin.exe driven from this process on a registry
// that the test seeds.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "lib/SysText.h"
#include "resources/Product.h"
#include "resources/RegistryNames.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Packages.h"
#include "tests/support/Uninstall.h"
#include "tests/OutputFixture.h"
#include "win/ErrorText.h"
#include "win/ShiftJis.h"
#include "win/WindowClass.h"

namespace {

using namespace output;
using Output = OutputFixture;

// The error box's text for a file that cannot be created: its path cannot be found.
std::string NotCreated(const std::string& path) {
    return lib::FormatText(kFileNotCreatedError,
                           {path, win::SystemErrorText(ERROR_PATH_NOT_FOUND)}) +
           ".";
}

// The display text of the save dialog's one filter.
std::string FilterDisplayText() {
    std::string filter = kSaveDialogFilter;
    return filter.substr(0, filter.find('|'));
}

TEST_F(Output, SavesTheReportToTheChosenFileSaysSoAndCloses) {
    support::AddDisplayName("01", "  Alpha  ");
    support::AddDisplayName("02", "表計算ソフト");
    support::AddDisplayName("01", "Other View Tool", support::kOtherView);
    support::AddDisplayName("01", "Per-User Tool ", support::kUser);
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(support::FileTypeText(dialog), FilterDisplayText());
    support::EnterFileName(dialog, folder + "\\report");

    bool mainVisible = false;
    support::MessageBoxView info = NextBox(&mainVisible);
    EXPECT_EQ(info.text, kSaved);
    EXPECT_EQ(info.icon, support::BoxIcon::Information);
    EXPECT_TRUE(mainVisible) << "the main window stays visible behind the message";
    EXPECT_EQ(program->WaitExit(), 0u);

    std::string bytes = ReadFileBytes(folder + "\\report.txt");
    EXPECT_EQ(bytes, support::ExpectedReportText(
                         {"Alpha", "表計算ソフト", "Other View Tool", "Per-User Tool"}));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\x81\x79");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_NE(bytes.find("\r\n\r\n\x81\x79"), std::string::npos);
}

TEST_F(Output, AsksBeforeOverwritingAndLeavesTheFileWhenTheReportIsEmpty) {
    std::string path = folder + "\\exists.txt";
    WriteFileBytes(path, "old content");
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    support::EnterFileName(dialog, folder + "\\exists");
    HWND prompt = support::WaitForOwnedDialog(dialog);
    ASSERT_NE(prompt, nullptr) << "no overwrite prompt";
    support::Answer(prompt, IDYES);

    support::MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, kNoApplications);
    EXPECT_EQ(box.icon, support::BoxIcon::None);
    ExpectStillWaiting();
    EXPECT_EQ(ReadFileBytes(path), "old content");
    ExitNormally();
}

TEST_F(Output, CancellingTheDialogReadsNothing) {
    support::AddUninstallEntry("1", REG_DWORD, std::string(4, '\0'));  // would give an error
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    support::Answer(dialog, IDCANCEL);
    support::WaitUntil([&] { return !IsWindow(dialog); });
    ExpectStillWaiting();
    ExitNormally();
}

TEST_F(Output, ReportsAFileThatCannotBeCreated) {
    support::AddDisplayName("1", "App");
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    support::EnterFileName(dialog, folder + "\\missing\\out");

    support::MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, NotCreated(folder + "\\missing\\out.txt"));
    EXPECT_EQ(box.icon, support::BoxIcon::Error);
    ExpectStillWaiting();
    ExitNormally();
}

TEST_F(Output, NamesTheFileThatCannotBeCreatedExactlyAsChosen) {
    support::AddDisplayName("1", "App");
    Start();
    // Places for a format and the 0x5C trail byte of 表 are part of the name, nothing more.
    for (const std::string name : {"100%s", "50%", "%d", "100%%", "表"}) {
        support::Click(Button(kSaveButtonCaption));
        HWND dialog = support::WaitForSaveDialog(program->Pid());
        ASSERT_NE(dialog, nullptr) << name;
        std::string path = folder + "\\nodir\\" + name;
        support::EnterFileName(dialog, path);
        EXPECT_EQ(NextBox().text, NotCreated(path + ".txt")) << name;
    }
    ExpectStillWaiting();
    ExitNormally();
}

TEST_F(Output, ReportsAWriteThatFails) {
    support::AddDisplayName("1", "App");
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    // The trailing dot keeps the name as typed: the device that is always full.
    support::EnterFileName(dialog, "Z:\\dev\\full.");
    if (HWND prompt = support::WaitForOwnedDialog(dialog, 2000)) support::Answer(prompt, IDYES);

    support::MessageBoxView box = NextBox();
    EXPECT_EQ(box.text, std::string(kWriteError) + ".");
    EXPECT_EQ(box.icon, support::BoxIcon::Error);
    ExpectStillWaiting();
    ExitNormally();
}

TEST_F(Output, CopiesTheReportWithItsNulHidesTheWindowAndCloses) {
    support::ClipboardHolder holder;
    ASSERT_TRUE(holder.Put("previous"));
    support::AddDisplayName("z", "Other View Tool", support::kOtherView);
    support::AddDisplayName("a", "Alpha");
    support::AddDisplayName("b", "　全角の名前　");
    support::AddDisplayName("p", "ユーザーのツール", support::kUser);
    Start();
    support::Click(Button(kCopyButtonCaption));

    HWND box = support::WaitForWindow(program->Pid(), win::kDialogClass, QUORVIN_PROGRAM_NAME);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(IsWindowVisible(window)) << "the main window is hidden before the message";
    std::string block = support::ReadClipboardBlock();
    std::wstring unicode = support::ReadClipboardUnicode();
    support::MessageBoxView info = support::ReadMessageBox(box);
    EXPECT_EQ(info.text, kCopied);
    EXPECT_EQ(info.icon, support::BoxIcon::Information);
    support::Answer(box, IDOK);
    EXPECT_EQ(program->WaitExit(), 0u);

    std::string expected = support::ExpectedReportText(
        {"Alpha", "　全角の名前　", "Other View Tool", "ユーザーのツール"});
    ASSERT_GT(block.size(), expected.size());
    EXPECT_EQ(block.substr(0, expected.size() + 1), expected + std::string(1, '\0'));
    // A Unicode reader gets exactly the text those Shift-JIS bytes mean.
    EXPECT_EQ(unicode, win::FromShiftJis(expected));
}

TEST_F(Output, CopiesAPartialReportAfterShowingTheBuildErrorTwice) {
    support::ClipboardHolder holder;
    support::AddDisplayName("1", "One");
    support::AddDisplayName("2", "Two");
    support::AddUninstallEntry("3", REG_DWORD, std::string(4, '\x01'));
    support::AddDisplayName("4", "Four");
    Start();
    support::Click(Button(kCopyButtonCaption));

    // The plain message dialog: no icon, the title as caption, centred on the screen.
    HWND first = WaitForBox();
    ASSERT_NE(first, nullptr);
    support::MessageBoxView view = support::ReadMessageBox(first);
    EXPECT_EQ(view.text, kBadType);
    EXPECT_EQ(view.icon, support::BoxIcon::None);
    RECT r{};
    GetWindowRect(first, &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 2);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 2);
    support::Answer(first, IDOK);
    ASSERT_TRUE(support::WaitUntil([&] { return !IsWindow(first); }));
    EXPECT_EQ(NextBox().text, kBadType);
    HWND box = support::WaitForWindow(program->Pid(), win::kDialogClass, QUORVIN_PROGRAM_NAME);
    ASSERT_NE(box, nullptr);
    std::string block = support::ReadClipboardBlock();
    EXPECT_EQ(support::ReadMessageBox(box).text, kCopied);
    support::Answer(box, IDOK);
    EXPECT_EQ(program->WaitExit(), 0u);
    std::string expected = support::ExpectedReportText({"One", "Two"});
    EXPECT_EQ(block.substr(0, expected.size() + 1), expected + std::string(1, '\0'));
}

// The user's packaged applications follow the uninstall entries in both outputs; Wine resolves
// no package resource, so an indirect name gives way to the package's identity name.
TEST_F(Output, ListsPackagedApplicationsInTheFileAndOnTheClipboard) {
    support::AddDisplayName("1", "Machine Tool");
    support::AddPackagesOfEveryKind();
    const std::string expected = support::ExpectedReportText(
        {"Machine Tool", "Machine Tool", "Contoso.Notes", "Contoso Tool", "　Trimmed Tool　",
         "Two Apps", "Fabrikam.Mail"});
    support::ClipboardHolder holder;
    Start();
    support::Click(Button(kCopyButtonCaption));
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(support::ReadClipboardBlock().substr(0, expected.size() + 1), expected + '\0');
    EXPECT_EQ(support::ReadClipboardUnicode(), win::FromShiftJis(expected));
    support::Answer(box, IDOK);
    EXPECT_EQ(program->WaitExit(), 0u);

    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    support::EnterFileName(dialog, folder + "\\packages");
    EXPECT_EQ(NextBox().text, kSaved);
    EXPECT_EQ(program->WaitExit(), 0u);
    EXPECT_EQ(ReadFileBytes(folder + "\\packages.txt"), expected);
}

// Windows 11 22H2 and later keep the manifest's resource reference as a package's display name:
// a bare name, a name with a path or an absolute reference. Wine resolves none of them, so each
// package is listed under its identity name, and no line is a raw reference.
TEST_F(Output, ListsPackagesNamedByResourceReferencesUnderTheirIdentityNames) {
    support::AddResourceReferencePackages();
    EXPECT_EQ(CopiedReport(),
              support::ExpectedReportText({"Microsoft.MicrosoftStickyNotes",
                                           "Microsoft.Windows.StartMenuExperienceHost",
                                           "Microsoft.WindowsCalculator", "Microsoft.WindowsCamera",
                                           "microsoft.windowscommunicationsapps"}));
}

// The package repository in the shapes real machines hold it: an application has a subkey only
// when it registers something, frameworks say so in a value, and a desktop program's own
// package identity lies outside every WindowsApps folder.
TEST_F(Output, ListsEveryInstalledApplicationPackageAsWindowsRecordsIt) {
    const std::wstring apps = L"C:\\Program Files\\WindowsApps\\";
    support::AddDisplayName("Microsoft Edge", "Microsoft Edge");
    const std::string terminal = "Microsoft.WindowsTerminal_1.12.10983.0_x64__8wekyb3d8bbwe";
    support::AddPackage(terminal, L"Windows Terminal", apps + win::FromShiftJis(terminal));
    support::AddPackage("Microsoft.WindowsTerminal_1.12.10983.0_neutral_~_8wekyb3d8bbwe",
                        L"Windows Terminal", apps + L"Microsoft.WindowsTerminal_neutral_~");
    const std::string calculator = "Microsoft.WindowsCalculator_11.2210.0.0_x64__8wekyb3d8bbwe";
    support::AddPackage(calculator, L"Calculator", apps + L"Calculator");
    support::AddPackageApplication(calculator, L"App");
    const std::string vclibs = "Microsoft.VCLibs.140.00_14.0.30704.0_x64__8wekyb3d8bbwe";
    support::AddPackage(vclibs, L"Microsoft Visual C++ 2015 UWP Runtime Package",
                        apps + win::FromShiftJis(vclibs));
    support::MarkFramework(vclibs);
    const std::string xaml = "Microsoft.UI.Xaml.CBS_8.2310.30001.0_x64__8wekyb3d8bbwe";
    support::AddPackage(xaml, L"Microsoft.UI.Xaml",
                        L"C:\\Windows\\SystemApps\\Microsoft.UI.Xaml.CBS_8wekyb3d8bbwe");
    support::MarkFramework(xaml);
    support::AddPackage("Microsoft.MicrosoftEdge.Stable_120.0.2210.91_neutral__8wekyb3d8bbwe",
                        L"Microsoft Edge",
                        L"C:\\Program Files (x86)\\Microsoft\\Edge\\Application");
    support::AddPackage("Microsoft.OneDriveSync_21220.1024.5.0_neutral__8wekyb3d8bbwe", L"OneDrive",
                        L"C:\\Users\\user\\AppData\\Local\\Microsoft\\OneDrive");
    support::AddPackage("Microsoft.SecondDrive_1.0.0.0_x64__8wekyb3d8bbwe", L"Second Drive App",
                        L"d:\\windowsapps\\Microsoft.SecondDrive_1.0.0.0_x64__8wekyb3d8bbwe\\");
    DWORD status = 0;
    support::SetPackageValue("Microsoft.Staged_1.0.0.0_x64__8wekyb3d8bbwe", L"PackageStatus",
                             REG_DWORD, std::string(reinterpret_cast<char*>(&status), 4));
    support::AddBarePackage("Microsoft.Removed_1.0.0.0_x64__8wekyb3d8bbwe");
    const std::string purchase = "Microsoft.StorePurchaseApp_12008.1001.1.0_x64__8wekyb3d8bbwe";
    support::SetPackageValue(purchase, kPackageRootFolderValue, REG_SZ,
                             support::StoredText(apps + win::FromShiftJis(purchase)));

    // The packages in the registry's order, by full name.
    EXPECT_EQ(CopiedReport(), support::ExpectedReportText({"Microsoft Edge", "Second Drive App",
                                                           "Microsoft.StorePurchaseApp",
                                                           "Calculator", "Windows Terminal"}));
}

TEST_F(Output, AnEmptyReportLeavesTheClipboardAlone) {
    support::ClipboardHolder holder;
    ASSERT_TRUE(holder.Put("previous"));
    Start();
    support::Click(Button(kCopyButtonCaption));
    EXPECT_EQ(NextBox().text, kNoApplications);
    ExpectStillWaiting();

    support::RemoveUninstallKeys();
    support::Click(Button(kCopyButtonCaption));
    ExpectStillWaiting();
    EXPECT_EQ(support::ReadClipboardBlock().substr(0, 9), std::string("previous\0", 9));
    ExitNormally();
}

TEST_F(Output, WaitsForAClipboardThatAnotherProgramHoldsForAMoment) {
    support::AddDisplayName("1", "App");
    support::ClipboardHolder holder;
    ASSERT_TRUE(holder.HoldOpen());
    Start();
    support::Click(Button(kCopyButtonCaption));
    Sleep(300);
    holder.Release();

    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    std::string block = support::ReadClipboardBlock();
    EXPECT_EQ(support::ReadMessageBox(box).text, kCopied);
    support::Answer(box, IDOK);
    EXPECT_EQ(program->WaitExit(), 0u);
    std::string expected = support::ExpectedReportText({"App"});
    EXPECT_EQ(block.substr(0, expected.size() + 1), expected + std::string(1, '\0'));
}

TEST_F(Output, ReportsAClipboardThatAnotherProgramHoldsOpen) {
    support::AddDisplayName("1", "App");
    support::ClipboardHolder holder;
    ASSERT_TRUE(holder.Put("previous"));
    ASSERT_TRUE(holder.HoldOpen());
    Start();
    support::Click(Button(kCopyButtonCaption));

    bool mainVisible = false;
    support::MessageBoxView box = NextBox(&mainVisible);
    EXPECT_EQ(box.text, std::string(kClipboardNotOpenedError) + ".");
    EXPECT_EQ(box.icon, support::BoxIcon::Error);
    EXPECT_TRUE(mainVisible) << "the window is not hidden when the copy failed";
    holder.Release();
    ExpectStillWaiting();
    EXPECT_EQ(support::ReadClipboardBlock().substr(0, 9), std::string("previous\0", 9));
    ExitNormally();
}

}  // namespace
