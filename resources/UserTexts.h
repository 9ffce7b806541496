// Every text of the program that a user sees, in one table: captions, labels, button texts,
// messages, errors and the report's header. Shift-JIS, as the library's texts are; "%s" marks a
// place that lib::FormatText fills. The maker's library keeps its own texts (its catalogue and
// the presenter's), and the product's facts stay in Product.h. UserTextsTest pins each entry.
#pragma once

#include "resources/Product.h"

// ---- The main window
inline constexpr char kMainWindowCaption[] = QUORVIN_PRODUCT_NAME " - アプリケーションの一覧を取得";
inline constexpr char kFirstInstruction[] =
    "インストールされているアプリケーションの一覧を出力します。";
inline constexpr char kSecondInstruction[] = "出力先を選んでください。";
inline constexpr char kSaveButtonCaption[] = "ファイルに出力(&F)";
inline constexpr char kCopyButtonCaption[] = "クリップボードにコピー(&C)";
inline constexpr char kAboutButtonCaption[] = "About..";
inline constexpr char kExitButtonCaption[] = "終了(&X)";
// The save dialog's one filter: display text and pattern, "|"-separated.
inline constexpr char kSaveDialogFilter[] = "テキストファイル（*.txt）|*.txt";

// ---- The About dialogs: the caption is the product name it shows followed by the suffix.
#define QUORVIN_ABOUT_CAPTION_SUFFIX " のバージョン情報"
inline constexpr char kAboutCaptionSuffix[] = QUORVIN_ABOUT_CAPTION_SUFFIX;
inline constexpr char kAboutCaption[] = QUORVIN_PROGRAM_NAME QUORVIN_ABOUT_CAPTION_SUFFIX;
inline constexpr char kCloseButtonCaption[] = "閉じる(&C)";
inline constexpr char kRegisterButtonCaption[] = "ユーザー登録ページへ(&R)";
inline constexpr char kInquiryButtonCaption[] = "お問い合せフォームへ(&T)";

// ---- Information messages
inline constexpr char kSavedMessage[] = "アプリケーションの一覧をファイルに保存しました";
inline constexpr char kCopiedMessage[] = "アプリケーションの一覧をクリップボードにコピーしました";

// ---- Errors; the first %s of kFileNotCreated is the full path, the second the system's text.
inline constexpr char kNoApplicationsError[] =
    "アプリケーションがまったくインストールされていないか、レジストリが壊れています";
inline constexpr char kValueNotReadError[] = "'%s' の取得に失敗しました";
inline constexpr char kValueTypeError[] = "'%s' のデータ型が不正です";
inline constexpr char kFileNotCreatedError[] = "ファイル \"%s\". %s を作成できません";
inline constexpr char kWriteError[] = "ストリームへの書き込みエラー";
inline constexpr char kClipboardNotOpenedError[] = "クリップボードを開くことができません";
inline constexpr char kClipboardNotSetError[] = "クリップボードにデータを設定できません";
// What the standard error box says of an error that carries no message meant for a user.
inline constexpr char kUnknownErrorText[] = "予期しないエラーが発生しました";

// ---- The report's header; the names follow the two labels.
inline constexpr char kReportComputerSection[] = "【コンピュータ情報】";
inline constexpr char kReportComputerLabel[] = "コンピュータ名: ";
inline constexpr char kReportUserLabel[] = "ログオンユーザ: ";
inline constexpr char kReportApplicationsSection[] =
    "【インストールされているアプリケーションの一覧】";
