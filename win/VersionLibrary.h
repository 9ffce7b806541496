// The version-record functions of the system's version.dll, loaded on first use from the
// system folder alone instead of through a static import, which Windows would resolve from the
// program's folder first.
#pragma once

#include <windows.h>

namespace win {

struct VersionFunctions {
    decltype(&::GetFileVersionInfoSizeA) getFileVersionInfoSize = nullptr;
    decltype(&::GetFileVersionInfoA) getFileVersionInfo = nullptr;
    decltype(&::VerQueryValueA) verQueryValue = nullptr;

    explicit operator bool() const {
        return getFileVersionInfoSize && getFileVersionInfo && verQueryValue;
    }
};

// All null when the library or one of its functions cannot be had. The library stays loaded
// until the process ends.
const VersionFunctions& SystemVersionFunctions();

}  // namespace win
