// Every text that a user sees of the program, pinned byte for byte: the only place where the
// table's texts are written a second time.
#include <gtest/gtest.h>

#include <string>

#include "resources/UserTexts.h"

namespace {

TEST(UserTexts, AreExactlyTheProgramsOwn) {
    const struct {
        const char* entry;
        const char* pinned;
    } kPinned[] = {
        {kMainWindowCaption, "Brindlex - アプリケーションの一覧を取得"},
        {kFirstInstruction, "インストールされているアプリケーションの一覧を出力します。"},
        {kSecondInstruction, "出力先を選んでください。"},
        {kSaveButtonCaption, "ファイルに出力(&F)"},
        {kCopyButtonCaption, "クリップボードにコピー(&C)"},
        {kAboutButtonCaption, "About.."},
        {kExitButtonCaption, "終了(&X)"},
        {kSaveDialogFilter, "テキストファイル（*.txt）|*.txt"},
        {kAboutCaptionSuffix, " のバージョン情報"},
        {kAboutCaption, "Quorvin のバージョン情報"},
        {kCloseButtonCaption, "閉じる(&C)"},
        {kRegisterButtonCaption, "ユーザー登録ページへ(&R)"},
        {kInquiryButtonCaption, "お問い合せフォームへ(&T)"},
        {kSavedMessage, "アプリケーションの一覧をファイルに保存しました"},
        {kCopiedMessage, "アプリケーションの一覧をクリップボードにコピーしました"},
        {kNoApplicationsError,
         "アプリケーションがまったくインストールされていないか、レジストリが壊れています"},
        {kValueNotReadError, "'%s' の取得に失敗しました"},
        {kValueTypeError, "'%s' のデータ型が不正です"},
        {kFileNotCreatedError, "ファイル \"%s\". %s を作成できません"},
        {kWriteError, "ストリームへの書き込みエラー"},
        {kClipboardNotOpenedError, "クリップボードを開くことができません"},
        {kClipboardNotSetError, "クリップボードにデータを設定できません"},
        {kUnknownErrorText, "予期しないエラーが発生しました"},
        {kReportComputerSection, "【コンピュータ情報】"},
        {kReportComputerLabel, "コンピュータ名: "},
        {kReportUserLabel, "ログオンユーザ: "},
        {kReportApplicationsSection, "【インストールされているアプリケーションの一覧】"},
    };
    for (const auto& text : kPinned) EXPECT_EQ(std::string(text.entry), text.pinned);
    // Shift-JIS, as the library's texts are: "【" is 81 79.
    EXPECT_EQ(std::string(kReportComputerSection).substr(0, 2), "\x81\x79");
}

}  // namespace
