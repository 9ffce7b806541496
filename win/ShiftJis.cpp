// Texts between Shift-JIS and UTF-16.
#include "win/ShiftJis.h"

#include <windows.h>

#include <limits>
#include <stdexcept>

namespace win {
namespace {

// The conversion functions count in int.
int Count(std::size_t size) {
    if (size > static_cast<std::size_t>(std::numeric_limits<int>::max() / 2))
        throw std::length_error("text too long to convert");
    return static_cast<int>(size);
}

}  // namespace

std::wstring FromShiftJis(std::string_view bytes) {
    if (bytes.empty()) return std::wstring();
    int count = Count(bytes.size());
    int length = MultiByteToWideChar(kShiftJisCodePage, 0, bytes.data(), count, nullptr, 0);
    std::wstring text(length, L'\0');
    MultiByteToWideChar(kShiftJisCodePage, 0, bytes.data(), count, text.data(), length);
    return text;
}

std::string ToShiftJis(std::wstring_view text) {
    if (text.empty()) return std::string();
    int count = Count(text.size());
    int length =
        WideCharToMultiByte(kShiftJisCodePage, 0, text.data(), count, nullptr, 0, nullptr, nullptr);
    std::string bytes(length, '\0');
    WideCharToMultiByte(kShiftJisCodePage, 0, text.data(), count, bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

}  // namespace win
