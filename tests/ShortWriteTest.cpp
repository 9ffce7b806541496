// A write that the system cuts short is reported, never taken for success. This program runs
// under a file-size limit of 8 KiB (see tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/Product.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/Driver.h"
#include "tests/support/Uninstall.h"
#include "win/WindowClass.h"

namespace {

TEST(ShortWrite, IsReportedAsAWriteErrorAndTheWindowStays) {
    support::ResetUninstallKey();
    std::vector<std::string> names;
    for (int i = 0; i < 200; ++i) {
        char key[16];
        wsprintfA(key, "k%03d", i);
        names.push_back(std::string(100, static_cast<char>('a' + i % 26)));
        support::AddDisplayName(key, names.back());
    }
    const std::string report = support::ExpectedReportText(names);
    ASSERT_GT(report.size(), 8192u);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "short-write";

    support::Program program;
    HWND window = program.WaitForWindow(kMainWindowClass, kMainWindowCaption);
    ASSERT_NE(window, nullptr);
    support::PressKey(window, VK_RETURN);
    HWND dialog = support::WaitForSaveDialog(program.Pid());
    ASSERT_NE(dialog, nullptr);
    support::EnterFileName(dialog, path);

    HWND box = support::WaitForWindow(program.Pid(), win::kDialogClass, QUORVIN_PROGRAM_NAME);
    ASSERT_NE(box, nullptr);
    support::MessageBoxView view = support::ReadMessageBox(box);
    EXPECT_EQ(view.text, std::string(kWriteError) + ".");
    EXPECT_EQ(view.icon, support::BoxIcon::Error);
    support::Answer(box, IDOK);
    EXPECT_TRUE(support::WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(IsWindowVisible(window));

    // The file stays as far as it was written.
    std::ifstream in(path + ".txt", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, report.substr(0, 8192));

    support::Click(support::FindChild(window, win::kButtonClass, kExitButtonCaption));
    EXPECT_EQ(program.WaitExit(), 0u);
}

}  // namespace
