// The system's text for an error code.
#include "win/ErrorText.h"

#include "win/ShiftJis.h"
#include "win/UniqueHandle.h"

namespace win {

std::string SystemErrorText(DWORD code) {
    // In UTF-16, then Shift-JIS: the ANSI form would be in the system's code page.
    wchar_t* buffer = nullptr;
    DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                           FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    UniqueHlocal owned(buffer);
    std::wstring text(buffer ? buffer : L"", length);
    while (!text.empty() && (text.back() <= L' ' || text.back() == L'.')) text.pop_back();
    return ToShiftJis(text);
}

}  // namespace win
