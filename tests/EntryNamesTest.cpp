// Applications whose key names the ANSI code page cannot hold, or that are as long as the
// registry allows, are reported like any other. The real Quorvin.exe copies the report.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "resources/WindowNames.h"
#include "support/Clipboard.h"
#include "support/Uninstall.h"
#include "tests/OutputFixture.h"

namespace {

using namespace output;

class EntryNames : public OutputFixture {
  protected:
    // The report the program copies, read while its information message is up.
    std::string CopiedReport() {
        support::ClipboardHolder holder;
        Start();
        support::Click(Button(kCopyButtonCaption));
        HWND box = WaitForBox();
        if (!box) return "no message box";
        std::string block = support::ReadClipboardBlock();
        EXPECT_EQ(support::ReadMessageBox(box).text, kCopied);
        support::Answer(box, IDOK);
        EXPECT_EQ(program->WaitExit(), 0u);
        return block.substr(0, block.find('\0'));
    }
};

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

TEST_F(EntryNames, AsLongAsTheRegistryAllowsAreReported) {
    // A full path from HKLM would be longer than the system takes.
    support::AddDisplayName(std::wstring(209, L'x'), "Long Name Tool");
    support::AddDisplayName(std::wstring(255, L'z'), "Longest Name Tool");
    EXPECT_EQ(CopiedReport(), support::ExpectedReportText({"Long Name Tool", "Longest Name Tool"}));
}

}  // namespace
