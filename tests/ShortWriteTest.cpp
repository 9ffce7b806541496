// A write that the system cuts short is reported, never taken for success. This program runs
// under a file-size limit of 8 KiB (see tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/Product.h"
#include "support/Driver.h"
#include "support/Uninstall.h"

namespace {

TEST(ShortWrite, IsReportedAsAWriteErrorAndTheWindowStays) {
    driver::ResetUninstallKey();
    std::vector<std::string> names;
    for (int i = 0; i < 200; ++i) {
        char key[16];
        wsprintfA(key, "k%03d", i);
        names.push_back(std::string(100, static_cast<char>('a' + i % 26)));
        driver::AddDisplayName(key, names.back());
    }
    const std::string report = driver::ExpectedReportText(names);
    ASSERT_GT(report.size(), 8192u);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "short-write";

    driver::Program program;
    HWND window =
        program.WaitForWindow("TfrmQuorvinMain", "Brindlex - アプリケーションの一覧を取得");
    ASSERT_NE(window, nullptr);
    driver::PressKey(window, VK_RETURN);
    HWND dialog = driver::WaitForSaveDialog(program.Pid());
    ASSERT_NE(dialog, nullptr);
    driver::EnterFileName(dialog, path);

    HWND box = driver::WaitForWindow(program.Pid(), "#32770", QUORVIN_PROGRAM_NAME);
    ASSERT_NE(box, nullptr);
    driver::MessageBoxView view = driver::ReadMessageBox(box);
    EXPECT_EQ(view.text, "ストリームへの書き込みエラー.");
    EXPECT_EQ(view.icon, driver::BoxIcon::Error);
    driver::Answer(box, IDOK);
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(IsWindowVisible(window));

    // The file stays as far as it was written.
    std::ifstream in(path + ".txt", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, report.substr(0, 8192));

    driver::Click(driver::FindChild(window, "Button", "終了(&X)"));
    EXPECT_EQ(program.WaitExit(), 0u);
}

}  // namespace
