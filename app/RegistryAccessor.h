// Read-only access to one registry key at a time below a root key.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/UniqueHandle.h"

// The registry views that can hold a key below HKEY_LOCAL_MACHINE\Software, the program's own
// first: 64-bit Windows keeps the keys of 32-bit and of 64-bit programs apart, and redirects
// each program to its own view unless told otherwise. 32-bit Windows has the one view (0).
std::vector<REGSAM> RegistryViews();

class RegistryAccessor {
  public:
    // Every key is opened in the given registry view (KEY_WOW64_32KEY, KEY_WOW64_64KEY, or 0
    // for the program's own).
    explicit RegistryAccessor(HKEY root, REGSAM view = 0) : root_(root), view_(view) {}

    // Opens a key for reading and makes it current, closing the one before. A path beginning
    // with "\" starts at the root key, any other at the current key. On failure the current
    // key stays as it was and the result is false.
    bool OpenKeyReadOnly(const std::string& path);

    // Names of the current key's direct subkeys in the registry's own order; empty when they
    // cannot be counted.
    std::vector<std::string> SubKeyNames() const;

    // A text value of the current key: "" when the value is missing or empty. Throws when the
    // value cannot be read after its size was known, or is neither REG_SZ nor REG_EXPAND_SZ.
    // REG_EXPAND_SZ text comes as stored, references unexpanded.
    std::string ReadString(const std::string& name) const;

  private:
    HKEY root_;
    REGSAM view_;
    ui::UniqueHkey current_;
};
