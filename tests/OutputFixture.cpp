// The real Quorvin.exe with the steps of its two outputs.
#include "tests/OutputFixture.h"

#include <fstream>
#include <iterator>

#include "lib/SysText.h"
#include "resources/Product.h"
#include "resources/RegistryNames.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Packages.h"
#include "tests/support/Uninstall.h"
#include "win/ShiftJis.h"
#include "win/WindowClass.h"

namespace output {

const std::string kSaved = kSavedMessage;
const std::string kCopied = kCopiedMessage;
const std::string kNoApplications = kNoApplicationsError;
const std::string kBadType = lib::FormatText(kValueTypeError, {win::ToShiftJis(kDisplayNameValue)});

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void OutputFixture::SetUp() {
    support::ResetUninstallKeys();
    support::RemovePackages();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "quorvin-" + std::to_string(GetTickCount());
    CreateDirectoryA(folder.c_str(), nullptr);
}

void OutputFixture::Start() {
    program = std::make_unique<support::Program>();
    window = program->WaitForWindow(kMainWindowClass, kMainWindowCaption);
    ASSERT_NE(window, nullptr);
}

HWND OutputFixture::OpenSaveDialog() {
    support::PressKey(window, VK_RETURN);
    HWND dialog = support::WaitForSaveDialog(program->Pid());
    EXPECT_NE(dialog, nullptr) << "no save dialog";
    return dialog;
}

HWND OutputFixture::WaitForBox() {
    return support::WaitForWindow(program->Pid(), win::kDialogClass, QUORVIN_PROGRAM_NAME);
}

support::MessageBoxView OutputFixture::NextBox(bool* mainVisible) {
    HWND box = WaitForBox();
    if (!box) {
        ADD_FAILURE() << "no message box";
        return {};
    }
    support::MessageBoxView view = support::ReadMessageBox(box);
    if (mainVisible) *mainVisible = IsWindowVisible(window) != FALSE;
    support::Answer(box, IDOK);
    support::WaitUntil([&] { return !IsWindow(box); });
    return view;
}

std::string OutputFixture::CopiedReport(std::wstring* unicode) {
    support::ClipboardHolder holder;
    Start();
    support::Click(Button(kCopyButtonCaption));
    HWND box = WaitForBox();
    if (!box) return "no message box";
    std::string block = support::ReadClipboardBlock();
    if (unicode) *unicode = support::ReadClipboardUnicode();
    EXPECT_EQ(support::ReadMessageBox(box).text, kCopied);
    support::Answer(box, IDOK);
    EXPECT_EQ(program->WaitExit(), 0u);
    return block.substr(0, block.find('\0'));
}

void OutputFixture::ExpectStillWaiting() {
    EXPECT_EQ(support::WaitForDialog(program->Pid(), 1000), nullptr);
    EXPECT_TRUE(program->Running());
    EXPECT_TRUE(IsWindowVisible(window));
}

void OutputFixture::ExitNormally() {
    support::Click(Button(kExitButtonCaption));
    EXPECT_EQ(program->WaitExit(), 0u);
}

}  // namespace output
