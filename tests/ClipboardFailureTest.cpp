// A clipboard that does not take the report: the failure is raised, the memory block freed and
// the clipboard closed. The system calls that cannot be made to fail for real are replaced.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/ReportOutput.h"
#include "lib/System.h"
#include "support/Clipboard.h"
#include "win/UniqueHandle.h"

namespace {

HGLOBAL gHandedBlock = nullptr;

HGLOBAL WINAPI NoMemory(UINT, SIZE_T) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

HANDLE WINAPI RefuseData(UINT, HANDLE data) {
    gHandedBlock = data;
    return nullptr;
}

class ClipboardFailure : public ::testing::Test {
  protected:
    void SetUp() override {
        window.reset(CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                     nullptr));
        owner = window.get();
        ASSERT_TRUE(holder.Put("previous"));
    }

    // Puts the text with the given calls and returns the message of what was raised.
    std::string Failure(const ClipboardCalls& calls) {
        try {
            PutTextOnClipboard(owner, "report\r\n", calls);
        } catch (const lib::Exception& e) {
            return e.Message();
        }
        return "(nothing raised)";
    }

    driver::ClipboardHolder holder;
    win::UniqueHwnd window;
    HWND owner = nullptr;
};

TEST_F(ClipboardFailure, AnAllocationThatFailsLeavesTheClipboardAsItWas) {
    ClipboardCalls calls = SystemClipboardCalls();
    calls.globalAlloc = NoMemory;
    EXPECT_EQ(Failure(calls), "クリップボードにデータを設定できません");
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "the clipboard must be closed again";
    EXPECT_EQ(driver::ReadClipboardBlock().substr(0, 9), std::string("previous\0", 9));
}

TEST_F(ClipboardFailure, DataTheClipboardRefusesIsFreed) {
    ClipboardCalls calls = SystemClipboardCalls();
    calls.setClipboardData = RefuseData;
    gHandedBlock = nullptr;
    EXPECT_EQ(Failure(calls), "クリップボードにデータを設定できません");
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "the clipboard must be closed again";
    ASSERT_NE(gHandedBlock, nullptr);
    EXPECT_EQ(GlobalFlags(gHandedBlock), static_cast<UINT>(GMEM_INVALID_HANDLE))
        << "the refused block must be freed";
}

TEST_F(ClipboardFailure, TheRealCallsPutTheTextAndItsNul) {
    PutTextOnClipboard(owner, "report\r\n");
    EXPECT_EQ(driver::ReadClipboardBlock().substr(0, 9), std::string("report\r\n\0", 9));
}

}  // namespace
