// Seeds the uninstall keys of the test's Wine prefix, which every test run gets fresh: the
// machine's in either registry view, and the user's.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace support {

// An uninstall key: the machine's in one registry view of the 64-bit prefix, or the user's.
struct UninstallPlace {
    HKEY root;
    REGSAM view;
};

// The machine's two views: this test program's own (the one Quorvin.exe of the same build tree
// reads first) and the other one.
inline const UninstallPlace kView64{HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY};
inline const UninstallPlace kView32{HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY};
inline const UninstallPlace kOwnView = sizeof(void*) == 8 ? kView64 : kView32;
inline const UninstallPlace kOtherView = sizeof(void*) == 8 ? kView32 : kView64;
// The user's, which both views share.
inline const UninstallPlace kUser{HKEY_CURRENT_USER, 0};

// Deletes the uninstall key of the place with everything below it.
void RemoveUninstallKey(const UninstallPlace& place = kOwnView);
// Leaves an existing, empty uninstall key in the place.
void ResetUninstallKey(const UninstallPlace& place = kOwnView);
// As a fresh prefix has them: empty uninstall keys in both of the machine's views, none for the
// user.
void ResetUninstallKeys();
// No uninstall key anywhere.
void RemoveUninstallKeys();
// Creates the subkey (and the uninstall key) and, when a value is given, "DisplayName" with
// exactly these bytes and this type.
void AddUninstallEntry(const std::string& subKey, DWORD type, const std::string& bytes,
                       const UninstallPlace& place = kOwnView);
// A subkey whose "DisplayName" is this text with its terminating NUL, as REG_SZ.
void AddDisplayName(const std::string& subKey, const std::string& text,
                    const UninstallPlace& place = kOwnView);
// The same for a subkey named in UTF-16, which the ANSI code page may not be able to hold.
void AddDisplayName(const std::wstring& subKey, const std::string& text,
                    const UninstallPlace& place = kOwnView);
// "DisplayName" stored with exactly these bytes, as the W functions store them: UTF-16 for a
// string type, as installers write it.
void AddStoredDisplayName(const std::string& subKey, DWORD type, const std::string& stored,
                          const UninstallPlace& place = kOwnView);
// The bytes that the W functions store for a text: UTF-16 with its terminating NUL.
std::string StoredText(const std::wstring& text);
// A "DisplayName" in UTF-16 with its terminating NUL, as REG_SZ.
void AddUnicodeDisplayName(const std::string& subKey, const std::wstring& name,
                           const UninstallPlace& place = kOwnView);
// A subkey without "DisplayName".
void AddBareEntry(const std::string& subKey, const UninstallPlace& place = kOwnView);
// Lets everyone open the subkey with these rights only (and change its rights again), as some
// keys grant ordinary users less than KEY_READ.
void GrantOnly(const std::string& subKey, DWORD rights, const UninstallPlace& place = kOwnView);
// "DisplayName" of a subkey as RegQueryValueExA gives it back, up to its first NUL.
std::string ReadBackDisplayName(const std::string& subKey, const UninstallPlace& place = kOwnView);

// The report's five header lines as this machine should give them, then the names.
std::vector<std::string> ExpectedReport(const std::vector<std::string>& names = {});
// The same as text: every line followed by CR LF.
std::string ExpectedReportText(const std::vector<std::string>& names = {});

}  // namespace support
