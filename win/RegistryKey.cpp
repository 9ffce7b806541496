// A registry key opened for reading.
#include "win/RegistryKey.h"

namespace win {

LONG RegistryKey::Take(LONG status, HKEY opened) noexcept {
    if (status == ERROR_SUCCESS) key_.reset(opened);
    return status;
}

LONG RegistryKey::Open(HKEY base, const wchar_t* path, REGSAM access) {
    HKEY opened = nullptr;
    LONG status = RegOpenKeyExW(base, path, 0, access, &opened);
    return Take(status, opened);
}

LONG RegistryKey::CountSubKeys(DWORD* count, DWORD* longestName) const {
    return RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, count, longestName, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr);
}

LONG RegistryKey::SubKeyNames(std::vector<std::wstring>& names) const {
    names.clear();
    DWORD count = 0, longest = 0;
    if (LONG status = CountSubKeys(&count, &longest); status != ERROR_SUCCESS) return status;
    names.reserve(count);

    std::vector<wchar_t> buffer(longest + 1);
    for (DWORD i = 0; i < count; ++i) {
        for (;;) {
            DWORD length = static_cast<DWORD>(buffer.size());
            LONG status = RegEnumKeyExW(key_.get(), i, buffer.data(), &length, nullptr, nullptr,
                                        nullptr, nullptr);
            // A longer name added while we list.
            if (status == ERROR_MORE_DATA) {
                buffer.resize(buffer.size() * 2);
                continue;
            }
            // A subkey removed while we list is not there to name.
            if (status == ERROR_SUCCESS) names.emplace_back(buffer.data(), length);
            break;
        }
    }
    return ERROR_SUCCESS;
}

LONG RegistryKey::QueryValue(const wchar_t* name, DWORD* type, void* data, DWORD* size) const {
    return RegQueryValueExW(key_.get(), name, nullptr, type, static_cast<BYTE*>(data), size);
}

}  // namespace win
