// The names of the program's windows and buttons: what the forms are made with, and what the
// tests, the benchmarks and the screenshot script find them by.
#pragma once

#include "resources/Product.h"

inline constexpr char kMainWindowClass[] = "TfrmQuorvinMain";
inline constexpr char kMainWindowCaption[] = QUORVIN_PRODUCT_NAME " - アプリケーションの一覧を取得";
inline constexpr char kSaveButtonCaption[] = "ファイルに出力(&F)";
inline constexpr char kCopyButtonCaption[] = "クリップボードにコピー(&C)";
inline constexpr char kAboutButtonCaption[] = "About..";
inline constexpr char kExitButtonCaption[] = "終了(&X)";

inline constexpr char kBaseAboutClass[] = "T_ZDQBaseCommonAboutForm";
inline constexpr char kAboutClass[] = "T_ZDQGUICommonAboutForm";
// An About dialog's caption is the product name it shows followed by this.
#define QUORVIN_ABOUT_CAPTION_SUFFIX " のバージョン情報"
inline constexpr char kAboutCaptionSuffix[] = QUORVIN_ABOUT_CAPTION_SUFFIX;
// The caption of the program's own About dialog.
inline constexpr char kAboutCaption[] = QUORVIN_PROGRAM_NAME QUORVIN_ABOUT_CAPTION_SUFFIX;
