// The system's text for an error code.
#include "win/ErrorText.h"

#include "win/UniqueHandle.h"

namespace win {

std::string SystemErrorText(DWORD code) {
    char* buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                  nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    UniqueHlocal owned(buffer);
    std::string text(buffer ? buffer : "", length);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

}  // namespace win
