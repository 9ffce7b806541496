// Texts between Shift-JIS bytes (the library's strings, the report's file and CF_TEXT) and the
// UTF-16 of the W functions: always through code page 932, never the system's ANSI code page,
// so that they read the same on a Windows of any language.
#pragma once

#include <string>
#include <string_view>

namespace win {

// Shift-JIS, and the locale that names it on the clipboard: Japanese.
inline constexpr unsigned kShiftJisCodePage = 932;
inline constexpr unsigned long kShiftJisLocale = 0x0411;

// What the bytes mean; a byte that is no Shift-JIS character becomes the system's stand-in.
std::wstring FromShiftJis(std::string_view bytes);
// The text in Shift-JIS: a character without a form there becomes its best fit ("R" for "®")
// or "?", one "?" for each half of a character beyond the BMP.
std::string ToShiftJis(std::wstring_view text);

}  // namespace win
