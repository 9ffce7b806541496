// The real Quorvin.exe with the steps of its two outputs.
#include "tests/OutputFixture.h"

#include <fstream>
#include <iterator>

#include "resources/Product.h"
#include "support/Uninstall.h"

namespace output {

const std::string kMainClass = "TfrmQuorvinMain";
const std::string kMainCaption = "Brindlex - アプリケーションの一覧を取得";
const std::string kSaved = "アプリケーションの一覧をファイルに保存しました";
const std::string kCopied = "アプリケーションの一覧をクリップボードにコピーしました";
const std::string kNoApplications =
    "アプリケーションがまったくインストールされていないか、レジストリが壊れています";
const std::string kBadType = "'DisplayName' のデータ型が不正です";
const char kCopyButton[] = "クリップボードにコピー(&C)";
const char kSaveButton[] = "ファイルに出力(&F)";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void OutputFixture::SetUp() {
    driver::ResetUninstallKeys();
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "quorvin-" + std::to_string(GetTickCount());
    CreateDirectoryA(folder.c_str(), nullptr);
}

void OutputFixture::Start() {
    program = std::make_unique<driver::Program>();
    window = program->WaitForWindow(kMainClass, kMainCaption);
    ASSERT_NE(window, nullptr);
}

HWND OutputFixture::OpenSaveDialog() {
    driver::PressKey(window, VK_RETURN);
    HWND dialog = driver::WaitForSaveDialog(program->Pid());
    EXPECT_NE(dialog, nullptr) << "no save dialog";
    return dialog;
}

HWND OutputFixture::WaitForBox() {
    return driver::WaitForWindow(program->Pid(), "#32770", QUORVIN_PROGRAM_NAME);
}

driver::MessageBoxView OutputFixture::NextBox(bool* mainVisible) {
    HWND box = WaitForBox();
    if (!box) {
        ADD_FAILURE() << "no message box";
        return {};
    }
    driver::MessageBoxView view = driver::ReadMessageBox(box);
    if (mainVisible) *mainVisible = IsWindowVisible(window) != FALSE;
    driver::Answer(box, IDOK);
    driver::WaitUntil([&] { return !IsWindow(box); });
    return view;
}

void OutputFixture::ExpectStillWaiting() {
    EXPECT_EQ(driver::WaitForDialog(program->Pid(), 1000), nullptr);
    EXPECT_TRUE(program->Running());
    EXPECT_TRUE(IsWindowVisible(window));
}

void OutputFixture::ExitNormally() {
    driver::Click(Button("終了(&X)"));
    EXPECT_EQ(program->WaitExit(), 0u);
}

}  // namespace output
