// Seeds the uninstall key of the test's Wine prefix, which every test run gets fresh, in either
// registry view.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// The two registry views of the 64-bit prefix: this test program's own (the one Quorvin.exe of
// the same build tree reads first) and the other one.
constexpr REGSAM kView64 = KEY_WOW64_64KEY;
constexpr REGSAM kView32 = KEY_WOW64_32KEY;
constexpr REGSAM kOwnView = sizeof(void*) == 8 ? kView64 : kView32;
constexpr REGSAM kOtherView = sizeof(void*) == 8 ? kView32 : kView64;

// Deletes the uninstall key of the view with everything below it.
void RemoveUninstallKey(REGSAM view = kOwnView);
// Leaves an existing, empty uninstall key in the view.
void ResetUninstallKey(REGSAM view = kOwnView);
// Empty uninstall keys in both views, as a fresh prefix has them.
void ResetUninstallKeys();
// No uninstall key in either view.
void RemoveUninstallKeys();
// Creates the subkey (and the uninstall key) and, when a value is given, "DisplayName" with
// exactly these bytes and this type.
void AddUninstallEntry(const std::string& subKey, DWORD type, const std::string& bytes,
                       REGSAM view = kOwnView);
// A subkey whose "DisplayName" is this text with its terminating NUL, as REG_SZ.
void AddDisplayName(const std::string& subKey, const std::string& text, REGSAM view = kOwnView);
// The same for a subkey named in UTF-16, which the ANSI code page may not be able to hold.
void AddDisplayName(const std::wstring& subKey, const std::string& text, REGSAM view = kOwnView);
// A subkey without "DisplayName".
void AddBareEntry(const std::string& subKey, REGSAM view = kOwnView);
// "DisplayName" of a subkey as RegQueryValueExA gives it back, up to its first NUL.
std::string ReadBackDisplayName(const std::string& subKey, REGSAM view = kOwnView);

// The report's five header lines as this machine should give them, then the names.
std::vector<std::string> ExpectedReport(const std::vector<std::string>& names = {});
// The same as text: every line followed by CR LF.
std::string ExpectedReportText(const std::vector<std::string>& names = {});

}  // namespace driver
