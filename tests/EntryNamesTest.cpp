// Applications whose key names or display names the ANSI code page cannot hold, or that are as
// long as the registry allows, are reported like any other. The real Quorvin.exe copies the
// report, or saves it into a folder that Shift-JIS has no name for.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lib/SysText.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/Clipboard.h"
#include "tests/support/Uninstall.h"
#include "tests/OutputFixture.h"
#include "win/ShiftJis.h"

namespace {

using namespace output;

using EntryNames = OutputFixture;

TEST_F(EntryNames, OutsideTheAnsiCodePageAreReported) {
    support::AddDisplayName(L"Caf\u00e9", "Cafe Tool");
    support::AddDisplayName(L"\ud55c\uad6d\uc5b4", "Korean Tool");
    support::AddDisplayName(L"\u20acuro", "Euro Tool");
    // "¥" comes back from the ANSI calls as "\": the path of another key, whose name must not
    // be reported in its place.
    support::AddDisplayName(L"Yen\u00a5Key", "Yen Sign Tool");
    support::AddDisplayName("Yen\\Key", "Wrong Key");

    // The registry's own order: by UTF-16 code unit, letters compared without case. The key
    // "Yen" holds only the key "Key" and has no name of its own.
    EXPECT_EQ(CopiedReport(), support::ExpectedReportText(
                                  {"Cafe Tool", "Yen Sign Tool", "Euro Tool", "Korean Tool"}));
}

// Display names as installers write them, in UTF-16: the Unicode copy has each exactly, the
// Shift-JIS forms are what the ANSI read gives on a Japanese system, and odd values harm nothing.
class UnicodeNames : public EntryNames {
  protected:
    void SetUp() override {
        EntryNames::SetUp();
        for (std::size_t i = 0; i < std::size(kNames); ++i)
            support::AddUnicodeDisplayName("n" + std::to_string(10 + i), kNames[i]);
        // A last odd byte, and a NUL in the middle.
        support::AddStoredDisplayName("o1", REG_SZ, std::string("O\0d\0d\0X", 7));
        support::AddStoredDisplayName("o2", REG_SZ, std::string("B\0\0\0A\0\0\0", 8));
        support::AddUnicodeDisplayName("o3", std::wstring(100000, L'\u540d'));
    }

    // Each line of the report as the ANSI read gives it today, trimmed.
    static std::string ExpectedShiftJis() {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < std::size(kNames); ++i)
            names.push_back(lib::Trim(support::ReadBackDisplayName("n" + std::to_string(10 + i))));
        for (const char* key : {"o1", "o2", "o3"})
            names.push_back(lib::Trim(support::ReadBackDisplayName(key)));
        return support::ExpectedReportText(names);
    }

    static constexpr const wchar_t* kNames[] = {
        L"Intel\u00ae Graphics",      L"Caf\u00e9 Tool\u2122", L"\ud55c\uae00 \uc624\ud53c\uc2a4",
        L"\u8f6f\u4ef6 \u7ba1\u7406", L"Emoji \U0001F600 App", L"\u2013 dash \u00a9 2024",
        L"Plain \u65e5\u672c\u8a9e",  L"Half \xd800 pair",     L" \t\u3000Spaced\u3000 ",
    };
};

TEST_F(UnicodeNames, AreCopiedExactlyForUnicodeReadersAndAsTodayInShiftJis) {
    std::wstring unicode;
    std::string block = CopiedReport(&unicode);
    std::wstring expected;
    for (const std::string& line : support::ExpectedReport())
        expected += win::FromShiftJis(line + "\r\n");
    for (const wchar_t* name : kNames) expected += lib::Trim(std::wstring_view(name)) + L"\r\n";
    expected += L"Odd\r\nB\r\n" + std::wstring(100000, L'\u540d') + L"\r\n";
    EXPECT_EQ(unicode, expected);
    EXPECT_EQ(block, ExpectedShiftJis());
    EXPECT_NE(block.find("\r\nIntelR Graphics\r\nCafe Tool?\r\n?? ???\r\n"), std::string::npos);
}

TEST_F(UnicodeNames, AreSavedAsTodayIntoAFolderThatShiftJisCannotName) {
    const std::wstring folder = L"C:\\Zo\u00eb\\\u30ec\u30dd\u30fc\u30c8";
    ASSERT_TRUE(CreateDirectoryW(L"C:\\Zo\u00eb", nullptr));
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    Start();
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr);
    support::EnterFileName(dialog, folder + L"\\report");
    EXPECT_EQ(NextBox().text, kSaved);
    EXPECT_EQ(program->WaitExit(), 0u);

    std::ifstream in(std::filesystem::path(folder + L"\\report.txt"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), ExpectedShiftJis());
}

TEST_F(EntryNames, AsLongAsTheRegistryAllowsAreReported) {
    // A full path from HKLM would be longer than the system takes.
    support::AddDisplayName(std::wstring(209, L'x'), "Long Name Tool");
    support::AddDisplayName(std::wstring(255, L'z'), "Longest Name Tool");
    EXPECT_EQ(CopiedReport(), support::ExpectedReportText({"Long Name Tool", "Longest Name Tool"}));
}

}  // namespace
