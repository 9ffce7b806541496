// Text helpers that the library and the program build on. Texts are the library's Shift-JIS
// byte strings (code page 932), or UTF-16 where the program holds text as Windows does.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace lib {

// Removes every leading and trailing byte from 0x00 to 0x20 (controls and the ASCII space).
// No byte of a double-byte character lies in that range, so no character is split.
std::string Trim(std::string_view text);
// The same for UTF-16: code units 0x00 to 0x20. Code page 932 gives no other character a byte
// in that range, so both trims of one text agree on its Shift-JIS form.
std::wstring Trim(std::wstring_view text);

// The pattern with each "%s" replaced by the next argument, in one pass: an argument is data,
// never read for places of its own (a path may hold "%s" itself). A "%s" without an argument
// stays as it is.
std::string FormatText(const std::string& pattern, std::initializer_list<std::string> arguments);

}  // namespace lib
