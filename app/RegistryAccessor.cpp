// Read-only access to one registry key at a time below a root key.
#include "app/RegistryAccessor.h"

#include <cstring>
#include <stdexcept>

#include "lib/SysText.h"

namespace {

// Tried in turn: some keys grant less than KEY_READ to ordinary users.
constexpr REGSAM kReadAccess[] = {
    KEY_READ,
    STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS,
    KEY_QUERY_VALUE,
};

}  // namespace

std::vector<REGSAM> RegistryViews() {
#ifdef _WIN64
    return {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
#else
    BOOL wow64 = FALSE;
    if (IsWow64Process(GetCurrentProcess(), &wow64) && wow64)
        return {KEY_WOW64_32KEY, KEY_WOW64_64KEY};
    return {0};
#endif
}

bool RegistryAccessor::OpenKeyReadOnly(const std::string& path) {
    bool fromRoot = !path.empty() && path[0] == '\\';
    HKEY base = fromRoot || !current_ ? root_ : current_.get();
    std::string relative = fromRoot ? path.substr(1) : path;
    for (REGSAM access : kReadAccess) {
        HKEY opened = nullptr;
        if (RegOpenKeyExA(base, relative.c_str(), 0, access | view_, &opened) == ERROR_SUCCESS) {
            current_.reset(opened);
            return true;
        }
    }
    return false;
}

std::vector<std::string> RegistryAccessor::SubKeyNames() const {
    std::vector<std::string> names;
    DWORD count = 0, longest = 0;
    if (RegQueryInfoKeyA(current_.get(), nullptr, nullptr, nullptr, &count, &longest, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;

    // The longest name is counted in UTF-16 units; in a double-byte code page a unit can take
    // two bytes, so a name of Japanese characters would not fit a buffer of that many bytes.
    std::vector<char> buffer(2 * longest + 2);
    for (DWORD i = 0; i < count; ++i) {
        for (;;) {
            DWORD length = static_cast<DWORD>(buffer.size());
            LONG status = RegEnumKeyExA(current_.get(), i, buffer.data(), &length, nullptr, nullptr,
                                        nullptr, nullptr);
            if (status == ERROR_MORE_DATA) {
                buffer.resize(buffer.size() * 2);
                continue;
            }
            // A subkey removed while we list is not there to name.
            if (status == ERROR_SUCCESS) names.emplace_back(buffer.data(), length);
            break;
        }
    }
    return names;
}

std::string RegistryAccessor::ReadString(const std::string& name) const {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(current_.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        size == 0)
        return std::string();

    std::vector<char> buffer(size);
    if (RegQueryValueExA(current_.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
        throw std::runtime_error(lib::FormatText("'%s' の取得に失敗しました", name));
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw std::runtime_error(lib::FormatText("'%s' のデータ型が不正です", name));

    std::size_t length = size < buffer.size() ? size : buffer.size();
    const void* nul = std::memchr(buffer.data(), '\0', length);
    if (nul) length = static_cast<const char*>(nul) - buffer.data();
    return std::string(buffer.data(), length);
}
