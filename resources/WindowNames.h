// The window classes of the program's forms: what the forms are made with, and what the
// tests, the benchmarks and the screenshot script find them by.
#pragma once

inline constexpr char kMainWindowClass[] = "TfrmQuorvinMain";
inline constexpr char kBaseAboutClass[] = "T_ZDQBaseCommonAboutForm";
inline constexpr char kAboutClass[] = "T_ZDQGUICommonAboutForm";
