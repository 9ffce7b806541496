// Applications whose key names the ANSI code page cannot hold, or that are as long as the
// registry allows, are reported like any other. The real Quorvin.exe copies the report.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/OutputFixture.h"
#include "support/Clipboard.h"
#include "support/Uninstall.h"

namespace {

using namespace output;

class EntryNames : public OutputFixture {
  protected:
    // The report the program copies, read while its information message is up.
    std::string CopiedReport() {
        driver::ClipboardHolder holder;
        Start();
        driver::Click(Button(kCopyButton));
        HWND box = WaitForBox();
        if (!box) return "no message box";
        std::string block = driver::ReadClipboardBlock();
        EXPECT_EQ(driver::ReadMessageBox(box).text, kCopied);
        driver::Answer(box, IDOK);
        EXPECT_EQ(program->WaitExit(), 0u);
        return block.substr(0, block.find('\0'));
    }
};

TEST_F(EntryNames, OutsideTheAnsiCodePageAreReported) {
    driver::AddDisplayName(L"Caf\u00e9", "Cafe Tool");
    driver::AddDisplayName(L"\ud55c\uad6d\uc5b4", "Korean Tool");
    driver::AddDisplayName(L"\u20acuro", "Euro Tool");
    // "¥" comes back from the ANSI calls as "\": the path of another key, whose name must not
    // be reported in its place.
    driver::AddDisplayName(L"Yen\u00a5Key", "Yen Sign Tool");
    driver::AddDisplayName("Yen\\Key", "Wrong Key");

    // The registry's own order: by UTF-16 code unit, letters compared without case. The key
    // "Yen" holds only the key "Key" and has no name of its own.
    EXPECT_EQ(CopiedReport(), driver::ExpectedReportText(
                                  {"Cafe Tool", "Yen Sign Tool", "Euro Tool", "Korean Tool"}));
}

TEST_F(EntryNames, AsLongAsTheRegistryAllowsAreReported) {
    // A full path from HKLM would be longer than the system takes.
    driver::AddDisplayName(std::wstring(209, L'x'), "Long Name Tool");
    driver::AddDisplayName(std::wstring(255, L'z'), "Longest Name Tool");
    EXPECT_EQ(CopiedReport(), driver::ExpectedReportText({"Long Name Tool", "Longest Name Tool"}));
}

}  // namespace
