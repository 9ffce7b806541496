// The runtime's text helpers.
#include "lib/SysText.h"

namespace lib {
namespace {

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

}  // namespace

std::string Trim(const std::string& text) {
    std::string::size_type first = 0, last = text.size();
    while (first < last && IsTrimmed(text[first])) ++first;
    while (last > first && IsTrimmed(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string FormatText(const std::string& pattern, const std::string& argument) {
    std::string::size_type at = pattern.find("%s");
    if (at == std::string::npos) return pattern;
    return pattern.substr(0, at) + argument + pattern.substr(at + 2);
}

}  // namespace lib
