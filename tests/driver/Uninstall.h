// Seeds the uninstall key of the test's Wine prefix, which every test run gets fresh.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// Deletes the uninstall key with everything below it.
void RemoveUninstallKey();
// Leaves an existing, empty uninstall key.
void ResetUninstallKey();
// Creates the subkey (and the uninstall key) and, when a value is given, "DisplayName" with
// exactly these bytes and this type.
void AddUninstallEntry(const std::string& subKey, DWORD type, const std::string& bytes);
// A subkey whose "DisplayName" is this text with its terminating NUL, as REG_SZ.
void AddDisplayName(const std::string& subKey, const std::string& text);
// A subkey without "DisplayName".
void AddBareEntry(const std::string& subKey);
// "DisplayName" of a subkey as RegQueryValueExA gives it back, up to its first NUL.
std::string ReadBackDisplayName(const std::string& subKey);

// The report's five header lines as this machine should give them, then the names.
std::vector<std::string> ExpectedReport(const std::vector<std::string>& names = {});
// The same as text: every line followed by CR LF.
std::string ExpectedReportText(const std::vector<std::string>& names = {});

}  // namespace driver
