// Quorvin on a Windows whose language is not Japanese: Wine with an English locale, whose ANSI
// code page is 1252. The windows read in Japanese and the report is pure Shift-JIS.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/BrindlexMain.h"
#include "lib/ZDQFunctions.h"
#include "resources/FormFont.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/Uninstall.h"
#include "tests/AppFixture.h"
#include "tests/OutputFixture.h"
#include "win/ShiftJis.h"
#include "win/WindowText.h"

namespace {

using namespace output;
using EnglishSystem = OutputFixture;

TEST_F(EnglishSystem, ShowsItsJapaneseTextsAndSavesPureShiftJis) {
    ASSERT_EQ(GetACP(), 1252u) << "not the code page of an English Windows";
    support::AddUnicodeDisplayName("1", L"\u8868\u8a08\u7b97\u30bd\u30d5\u30c8");  // 表計算ソフト
    support::AddUnicodeDisplayName("2", L"Caf\u00e9 Tool\u2122");
    Start();
    EXPECT_EQ(win::WindowText(window), win::FromShiftJis(kMainWindowCaption));
    for (const char* caption :
         {kSaveButtonCaption, kCopyButtonCaption, kAboutButtonCaption, kExitButtonCaption})
        EXPECT_EQ(win::WindowText(Button(caption)), win::FromShiftJis(caption));

    // The save dialog is the system's, captioned in English here.
    support::PressKey(window, VK_RETURN);
    HWND dialog = support::WaitForDialog(program->Pid());
    ASSERT_NE(dialog, nullptr);
    support::EnterFileName(dialog, folder + "\\report");
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(win::WindowText(GetDlgItem(box, 0xFFFF)), win::FromShiftJis(kSaved));
    support::Answer(box, IDOK);
    EXPECT_EQ(program->WaitExit(), 0u);
    EXPECT_EQ(ReadFileBytes(folder + "\\report.txt"),
              support::ExpectedReportText({"表計算ソフト", "Cafe Tool?"}));
}

using EnglishSystemForm = QuorvinAppTest;

// The face is named in UTF-16: its Shift-JIS bytes read as code page 1252 name no font.
TEST_F(EnglishSystemForm, DrawsInTheJapaneseFaceOfTheLayout) {
    auto* form = app->CreateOwnedForm<TfrmQuorvinMain>();
    HWND label = GetWindow(form->Handle(), GW_CHILD);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(std::wstring(font.lfFaceName), win::FromShiftJis(kFormFont.face));
    app->ReleaseForm(form);
}

// The library reads its Shift-JIS texts as on a Japanese Windows: the trail byte of "＝" (81 81)
// and "@" (40) are no ideographic space (81 40).
TEST(EnglishSystemText, TrimsShiftJisAsOnAJapaneseWindows) {
    EXPECT_EQ(TrimFullWidth("＝@"), "＝@");
    EXPECT_EQ(TrimFullWidth("　表　"), "表");
    EXPECT_TRUE(EndsWithStr("　", "表　"));
    EXPECT_FALSE(EndsWithStr("　", "＝@"));
}

}  // namespace
