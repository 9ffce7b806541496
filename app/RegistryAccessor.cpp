// The report's way of reading the registry.
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

bool RegistryAccessor::OpenWith(HKEY base, const wchar_t* path) {
    for (REGSAM access : kReadAccess)
        if (current_.Open(base, path, access | view_) == ERROR_SUCCESS) return true;
    return false;
}

bool RegistryAccessor::OpenKeyReadOnly(const std::string& path) {
    bool fromRoot = !path.empty() && path[0] == '\\';
    HKEY base = fromRoot || !current_ ? root_ : current_.Get();
    return OpenWith(base,
                    win::FromShiftJis(std::string_view(path).substr(fromRoot ? 1 : 0)).c_str());
}

bool RegistryAccessor::OpenSubKeyReadOnly(const std::wstring& name) {
    return OpenWith(root_, name.c_str());
}

std::vector<std::wstring> RegistryAccessor::SubKeyNames() const {
    std::vector<std::wstring> names;
    if (current_.SubKeyNames(names) != ERROR_SUCCESS) names.clear();
    return names;
}

std::wstring_view RegistryAccessor::ReadString(const wchar_t* name) {
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer_.size() * sizeof(wchar_t));
    LONG status = current_.QueryValue(name, &type, buffer_.data(), &size);
    if (status == ERROR_MORE_DATA) {
        // The value exists and needs this many bytes: read it again into a buffer that size.
        buffer_.resize(size / sizeof(wchar_t) + 1);
        size = static_cast<DWORD>(buffer_.size() * sizeof(wchar_t));
        status = current_.QueryValue(name, &type, buffer_.data(), &size);
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
    if (current_.QueryValue(name, &type, &value, &size) != ERROR_SUCCESS || type != REG_DWORD ||
        size != sizeof(value))
        return std::nullopt;
    return value;
}

bool RegistryAccessor::HasValue(const wchar_t* name) const {
    return current_.QueryValue(name, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}
