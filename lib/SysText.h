// The runtime's text helpers that the library and the program build on. Texts are byte
// strings in the ANSI code page.
#pragma once

#include <string>

namespace lib {

// Removes every leading and trailing byte from 0x00 to 0x20 (controls and the ASCII space).
// No byte of a double-byte character lies in that range, so no character is split.
std::string Trim(const std::string& text);

// The pattern with its first "%s" replaced by the argument.
std::string FormatText(const std::string& pattern, const std::string& argument);

}  // namespace lib
