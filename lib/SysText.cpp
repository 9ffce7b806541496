// Text helpers for byte strings and UTF-16.
#include "lib/SysText.h"

#include <type_traits>

namespace lib {
namespace {

template <typename Char>
std::basic_string<Char> TrimControls(std::basic_string_view<Char> text) {
    using Unit = std::make_unsigned_t<Char>;
    auto trimmed = [](Char c) { return static_cast<Unit>(c) <= 0x20; };
    std::size_t first = 0, last = text.size();
    while (first < last && trimmed(text[first])) ++first;
    while (last > first && trimmed(text[last - 1])) --last;
    return std::basic_string<Char>(text.substr(first, last - first));
}

}  // namespace

std::string Trim(std::string_view text) {
    return TrimControls(text);
}

std::wstring Trim(std::wstring_view text) {
    return TrimControls(text);
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
