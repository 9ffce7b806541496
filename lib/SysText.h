// Text helpers that the library and the program build on. Texts are byte
// strings in the ANSI code page.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace lib {

// Removes every leading and trailing byte from 0x00 to 0x20 (controls and the ASCII space).
// No byte of a double-byte character lies in that range, so no character is split.
std::string Trim(std::string_view text);

// The pattern with each "%s" replaced by the next argument, in one pass: an argument is data,
// never read for places of its own (a path may hold "%s" itself). A "%s" without an argument
// stays as it is.
std::string FormatText(const std::string& pattern, std::initializer_list<std::string> arguments);

}  // namespace lib
