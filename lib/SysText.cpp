// Text helpers for byte strings in the ANSI code page.
#include "lib/SysText.h"

namespace lib {
namespace {

bool IsTrimmed(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

}  // namespace

std::string Trim(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && IsTrimmed(text[first])) ++first;
    while (last > first && IsTrimmed(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

std::string FormatText(const std::string& pattern, std::initializer_list<std::string> arguments) {
    std::string text;
    auto next = arguments.begin();
    std::string::size_type from = 0;
    for (std::string::size_type at = pattern.find("%s");
         at != std::string::npos && next != arguments.end(); at = pattern.find("%s", from)) {
        text.append(pattern, from, at - from).append(*next++);
        from = at + 2;
    }
    return text.append(pattern, from, std::string::npos);
}

}  // namespace lib
