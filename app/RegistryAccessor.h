// Read-only access to one registry key at a time below a root key.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ui/UniqueHandle.h"

class RegistryAccessor {
  public:
    explicit RegistryAccessor(HKEY root) : root_(root) {}

    // Opens a key for reading and makes it current, closing the one before. A path beginning
    // with "\" starts at the root key, any other at the current key. No registry-view flag is
    // given. On failure the current key stays as it was and the result is false.
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
    ui::UniqueHkey current_;
};
