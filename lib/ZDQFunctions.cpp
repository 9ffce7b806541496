// The maker's system and string utilities.
#include "lib/ZDQFunctions.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

// The buffer's text up to its first NUL, never past its end.
std::string TextIn(const char* buffer, std::size_t capacity) {
    const void* nul = std::memchr(buffer, '\0', capacity);
    return std::string(buffer, nul ? static_cast<const char*>(nul) - buffer : capacity);
}

}  // namespace

std::string GetLocalComputerName() {
    char buffer[256];
    DWORD size = sizeof buffer;
    if (!GetComputerNameA(buffer, &size)) return std::string();
    return TextIn(buffer, sizeof buffer);
}

std::string GetLogonUserName() {
    std::vector<char> buffer(256);
    DWORD size = 255;
    if (!GetUserNameA(buffer.data(), &size)) return std::string();
    return TextIn(buffer.data(), buffer.size());
}
