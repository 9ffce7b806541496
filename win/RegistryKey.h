// A registry key opened for reading: open, enumerate, query, close. Every call gives the
// caller the Win32 status; what a status means to a user is decided above this layer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win/UniqueHandle.h"

namespace win {

class RegistryKey {
  public:
    RegistryKey() = default;

    // Opens the path below the base key with these rights (and view flags), closing the key
    // held before; on failure the key held stays.
    LONG Open(HKEY base, const wchar_t* path, REGSAM access);

    HKEY Get() const noexcept { return key_.get(); }
    explicit operator bool() const noexcept { return static_cast<bool>(key_); }

    // How many direct subkeys the key has, and the length of the longest name in characters.
    LONG CountSubKeys(DWORD* count, DWORD* longestName = nullptr) const;
    // The names of the direct subkeys in the registry's order. A subkey removed while they are
    // listed is left out, and a name that grew meanwhile is read in full.
    LONG SubKeyNames(std::vector<std::wstring>& names) const;
    // RegQueryValueExW: with no data, the type and size alone.
    LONG QueryValue(const wchar_t* name, DWORD* type, void* data, DWORD* size) const;

  private:
    LONG Take(LONG status, HKEY opened) noexcept;

    UniqueHkey key_;
};

}  // namespace win
