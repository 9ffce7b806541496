// What the copy hands to the clipboard, and a clipboard that does not take it: the failure is
// raised, the memory block freed and the clipboard closed. The system calls that cannot be made
// to fail, or whose arguments cannot be seen, for real are replaced.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "app/ReportClipboard.h"
#include "lib/System.h"
#include "resources/UserTexts.h"
#include "tests/support/Clipboard.h"
#include "win/Clipboard.h"
#include "win/ShiftJis.h"
#include "win/UniqueHandle.h"
#include "win/WindowClass.h"

namespace {

HGLOBAL gHandedBlock = nullptr;

HGLOBAL WINAPI NoMemory(UINT, SIZE_T) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
}

BOOL WINAPI CannotEmpty() {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return FALSE;
}

HANDLE WINAPI RefuseData(UINT, HANDLE data) {
    gHandedBlock = data;
    return nullptr;
}

// Each format handed to the clipboard with its bytes, in order.
std::vector<std::pair<UINT, std::string>> gPlaced;

std::string BlockBytes(HANDLE data) {
    win::GlobalLockGuard locked(data);
    return std::string(static_cast<const char*>(locked.get()), GlobalSize(data));
}

HANDLE WINAPI RecordData(UINT format, HANDLE data) {
    gPlaced.emplace_back(format, BlockBytes(data));
    return SetClipboardData(format, data);
}

// Takes the text, refuses every other format.
HANDLE WINAPI TextOnly(UINT format, HANDLE data) {
    return format == CF_TEXT ? SetClipboardData(format, data) : nullptr;
}

class ClipboardFailure : public ::testing::Test {
  protected:
    void SetUp() override {
        window.reset(CreateWindowExA(0, win::kStaticClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     nullptr, nullptr));
        owner = window.get();
        ASSERT_TRUE(holder.Put("previous"));
    }

    // Puts the text with the given calls and returns the message of what was raised.
    std::string Failure(const ClipboardCalls& calls) {
        try {
            PutTextOnClipboard(owner, L"report\r\n", calls);
        } catch (const lib::Exception& e) {
            return e.Message();
        }
        return "(nothing raised)";
    }

    support::ClipboardHolder holder;
    win::UniqueHwnd window;
    HWND owner = nullptr;
};

TEST_F(ClipboardFailure, AnAllocationThatFailsLeavesTheClipboardAsItWas) {
    ClipboardCalls calls = SystemClipboardCalls();
    calls.globalAlloc = NoMemory;
    EXPECT_EQ(Failure(calls), kClipboardNotSetError);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "the clipboard must be closed again";
    EXPECT_EQ(support::ReadClipboardBlock().substr(0, 9), std::string("previous\0", 9));
}

TEST_F(ClipboardFailure, AClipboardThatCannotBeEmptiedIsOneThatCannotBeOpened) {
    ClipboardCalls calls = SystemClipboardCalls();
    calls.emptyClipboard = CannotEmpty;
    EXPECT_EQ(Failure(calls), kClipboardNotOpenedError);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "the clipboard must be closed again";
    EXPECT_EQ(support::ReadClipboardBlock().substr(0, 9), std::string("previous\0", 9));
}

TEST_F(ClipboardFailure, DataTheClipboardRefusesIsFreed) {
    ClipboardCalls calls = SystemClipboardCalls();
    calls.setClipboardData = RefuseData;
    gHandedBlock = nullptr;
    EXPECT_EQ(Failure(calls), kClipboardNotSetError);
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr) << "the clipboard must be closed again";
    ASSERT_NE(gHandedBlock, nullptr);
    EXPECT_EQ(GlobalFlags(gHandedBlock), static_cast<UINT>(GMEM_INVALID_HANDLE))
        << "the refused block must be freed";
}

TEST_F(ClipboardFailure, TheRealCallsPutTheTextAndItsNul) {
    PutTextOnClipboard(owner, L"report\r\n");
    EXPECT_EQ(support::ReadClipboardBlock().substr(0, 9), std::string("report\r\n\0", 9));
}

// Windows converts CF_TEXT for Unicode readers with the code page of the keyboard layout when
// the clipboard names no locale: an English layout would garble Shift-JIS. Wine always adds the
// system's locale itself, so what the copy places is checked where it is handed over.
TEST_F(ClipboardFailure, PlacesTheTextForUnicodeReadersInJapanese) {
    const std::string text = "【一覧】\r\n表計算ソフト\r\n";  // 表 and ソ end in 0x5C
    ClipboardCalls calls = SystemClipboardCalls();
    calls.setClipboardData = RecordData;
    gPlaced.clear();
    PutTextOnClipboard(owner, win::FromShiftJis(text), calls);

    std::wstring wide = win::FromShiftJis(text + '\0');
    LCID japanese = 0x0411;
    ASSERT_EQ(gPlaced.size(), 3u);
    EXPECT_EQ(gPlaced[0].first, static_cast<UINT>(CF_TEXT));
    EXPECT_EQ(gPlaced[0].second.substr(0, text.size() + 1), text + '\0');
    EXPECT_EQ(gPlaced[1].first, static_cast<UINT>(CF_UNICODETEXT));
    EXPECT_EQ(gPlaced[1].second.substr(0, wide.size() * 2),
              std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2));
    EXPECT_EQ(gPlaced[2].first, static_cast<UINT>(CF_LOCALE));
    EXPECT_EQ(gPlaced[2].second.substr(0, 4), std::string(reinterpret_cast<char*>(&japanese), 4));
    EXPECT_EQ(support::ReadClipboardUnicode(), wide.substr(0, wide.size() - 1));
}

TEST_F(ClipboardFailure, RefusedUnicodeFormsLeaveTheTextAndAreNoError) {
    ClipboardCalls calls = SystemClipboardCalls();
    calls.setClipboardData = TextOnly;
    PutTextOnClipboard(owner, L"report\r\n", calls);
    EXPECT_EQ(support::ReadClipboardBlock().substr(0, 9), std::string("report\r\n\0", 9));
}

}  // namespace
