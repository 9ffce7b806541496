// The report's way of reading the registry: one key at a time below a root key, in a chosen
// registry view, with the rights an ordinary user is granted, and the library's messages for
// a value that cannot be read.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "win/RegistryKey.h"

// The registry views that can hold a key below HKEY_LOCAL_MACHINE\Software, the program's own
// first: 64-bit Windows keeps the keys of 32-bit and of 64-bit programs apart, and redirects
// each program to its own view unless told otherwise. 32-bit Windows has the one view (0).
std::vector<REGSAM> RegistryViews();
// The view of the system's own bitness: KEY_WOW64_64KEY on 64-bit Windows, 0 on 32-bit Windows.
REGSAM NativeRegistryView();

class RegistryAccessor {
  public:
    // Keys are opened in the given registry view (KEY_WOW64_32KEY, KEY_WOW64_64KEY, or 0 for
    // the program's own). The root key stays the caller's.
    explicit RegistryAccessor(HKEY root, REGSAM view = 0) : root_(root), view_(view) {}

    // Opens a key for reading and makes it current, closing the one before. A path beginning
    // with "\" starts at the root key, any other at the current key. On failure the current
    // key stays as it was and the result is false. The path is Shift-JIS, as the program's
    // texts are.
    bool OpenKeyReadOnly(const std::string& path);
    // The same for a direct subkey of the root key named in UTF-16, as SubKeyNames gives it:
    // a name that code page 932 cannot hold ("Café", or "Yen¥Key", which would come back as a
    // path "Yen\Key") still opens the key it names.
    bool OpenSubKeyReadOnly(const std::wstring& name);

    HKEY CurrentKey() const { return current_.Get(); }

    // Names of the current key's direct subkeys in the registry's own order; empty when they
    // cannot be counted.
    std::vector<std::wstring> SubKeyNames() const;

    // A text value of the current key in UTF-16, as stored, up to its first NUL: "" when the
    // value is missing or empty. Throws when the value cannot be read after its size was known,
    // or is neither REG_SZ nor REG_EXPAND_SZ. REG_EXPAND_SZ text comes as stored, references
    // unexpanded; a last odd byte is no character and is dropped.
    // One read into a buffer that the accessor keeps, a second only for a value larger than
    // the buffer; the text lives in that buffer until the next read.
    std::wstring_view ReadString(const wchar_t* name);
    // A REG_DWORD value of the current key; nothing when it is missing or of another type.
    std::optional<DWORD> ReadDword(const wchar_t* name) const;
    // Whether the current key has the value, whatever its type and size.
    bool HasValue(const wchar_t* name) const;

  private:
    bool OpenWith(HKEY base, const wchar_t* path);

    HKEY root_;
    REGSAM view_;
    win::RegistryKey current_;
    std::vector<wchar_t> buffer_ = std::vector<wchar_t>(256);
};
