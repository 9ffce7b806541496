// Read-only access to one registry key at a time below a root key.
#include "app/RegistryAccessor.h"

#include "lib/SysText.h"
#include "lib/System.h"
#include "resources/UserTexts.h"
#include "win/ShiftJis.h"

namespace {

// Tried in turn: some keys grant less than KEY_READ to ordinary users.
constexpr REGSAM kReadAccess[] = {
    KEY_READ,
    STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS,
    KEY_QUERY_VALUE,
};

// Whether this process runs on 64-bit Windows.
bool OnWindows64() {
#ifdef _WIN64
    return true;
#else
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

constexpr REGSAM kOwnView = sizeof(void*) == 8 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

}  // namespace

std::vector<REGSAM> RegistryViews() {
    if (OnWindows64()) return {kOwnView, kOtherView};
    return {0};
}

REGSAM NativeRegistryView() {
    return OnWindows64() ? KEY_WOW64_64KEY : 0;
}

template <typename Open>
bool RegistryAccessor::OpenWith(Open open) {
    for (REGSAM access : kReadAccess) {
        HKEY opened = nullptr;
        if (open(access | view_, &opened) == ERROR_SUCCESS) {
            current_.reset(opened);
            return true;
        }
    }
    return false;
}

bool RegistryAccessor::OpenKeyReadOnly(const std::string& path) {
    bool fromRoot = !path.empty() && path[0] == '\\';
    HKEY base = fromRoot || !current_ ? root_ : current_.get();
    const char* relative = path.c_str() + (fromRoot ? 1 : 0);
    return OpenWith([&](REGSAM access, HKEY* opened) {
        return RegOpenKeyExA(base, relative, 0, access, opened);
    });
}

bool RegistryAccessor::OpenSubKeyReadOnly(const std::wstring& name) {
    return OpenWith([&](REGSAM access, HKEY* opened) {
        return RegOpenKeyExW(root_, name.c_str(), 0, access, opened);
    });
}

DWORD RegistryAccessor::SubKeyCount() const {
    DWORD count = 0;
    if (RegQueryInfoKeyW(current_.get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    return count;
}

std::vector<std::wstring> RegistryAccessor::SubKeyNames() const {
    std::vector<std::wstring> names;
    DWORD count = 0, longest = 0;
    if (RegQueryInfoKeyW(current_.get(), nullptr, nullptr, nullptr, &count, &longest, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    names.reserve(count);

    std::vector<wchar_t> buffer(longest + 1);
    for (DWORD i = 0; i < count; ++i) {
        for (;;) {
            DWORD length = static_cast<DWORD>(buffer.size());
            LONG status = RegEnumKeyExW(current_.get(), i, buffer.data(), &length, nullptr, nullptr,
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
    return names;
}

std::wstring_view RegistryAccessor::ReadString(const wchar_t* name) {
    HKEY key = current_.get();
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer_.size() * sizeof(wchar_t));
    LONG status =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer_.data()), &size);
    if (status == ERROR_MORE_DATA) {
        // The value exists and needs this many bytes: read it again into a buffer that size.
        buffer_.resize(size / sizeof(wchar_t) + 1);
        size = static_cast<DWORD>(buffer_.size() * sizeof(wchar_t));
        status = RegQueryValueExW(key, name, nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer_.data()), &size);
        if (status != ERROR_SUCCESS)
            throw lib::Exception(lib::FormatText(kValueNotReadError, {win::ToShiftJis(name)}));
    } else if (status != ERROR_SUCCESS) {
        return {};  // no such value
    }
    // An empty value is no text, whatever its type.
    if (size == 0) return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw lib::Exception(lib::FormatText(kValueTypeError, {win::ToShiftJis(name)}));

    std::wstring_view text(buffer_.data(), size / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

std::optional<DWORD> RegistryAccessor::ReadDword(const wchar_t* name) const {
    DWORD type = 0, value = 0, size = sizeof(value);
    if (RegQueryValueExW(current_.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return std::nullopt;
    return value;
}

bool RegistryAccessor::HasValue(const wchar_t* name) const {
    return RegQueryValueExW(current_.get(), name, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}
