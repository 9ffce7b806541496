// The maker's system and string utilities, and CExceptionMsg, the door through which the
// library's messages and the program's information messages reach the user (an error that
// escapes an event handler goes to the application's standard error box instead).
#pragma once

#include <windows.h>

#include <bitset>
#include <exception>
#include <memory>
#include <string>

namespace lib {
class TObject;
}

// ---- Computer and user names

// The local computer's NetBIOS name as the system gives it, or "" when it cannot be had.
std::string GetLocalComputerName();
// The logged-on user's name, or "" when it cannot be had (a name needing over 255 bytes).
std::string GetLogonUserName();
// The same two names in UTF-16, exactly as the system holds them, whatever the ANSI code page
// can express; with the same buffers, counted in characters.
std::wstring GetLocalComputerNameW();
std::wstring GetLogonUserNameW();

// ---- Version records

enum TVersionInfoItem {
    viComments,
    viCompanyName,
    viFileDescription,
    viFileVersion,
    viInternalName,
    viLegalCopyright,
    viLegalTrademarks,
    viOriginalFilename,
    viPrivateBuild,
    viProductName,
    viProductVersion,
    viSpecialBuild,
};

// One string of a program file's version record, read through its first translation and
// trimmed: "" when the file has no record or the record no such item. Throws lib::Exception
// when the record has no translation entry.
std::string GetVersionInfo(const std::string& fileName, TVersionInfoItem item);

// ---- Messages

// Shows an exception in a modal message box through the presenter gMPObject and returns the
// box's result. The box's style comes from the exception's MsgBoxFlags (a family member) or is
// the error icon (any other exception); a blank caption means the presenter's default. With
// iTimeoutSec >= 0 the box closes itself after that many seconds, its title counting down when
// iShowCountdown is set, and iActivateWnd then comes to the foreground.
//
// This form takes a new exception and frees it on every path, errors included.
int CExceptionMsg(std::unique_ptr<std::exception> iException, int iTimeoutSec = -1,
                  bool iShowCountdown = false, HWND iActivateWnd = nullptr, int iDefaultResult = 0,
                  const std::string& iCaption = std::string());
// This form shows the exception that the caller is handling; it is not freed here, the
// handler's end frees it.
int CExceptionMsg(const std::exception& iException, int iTimeoutSec = -1,
                  bool iShowCountdown = false, HWND iActivateWnd = nullptr, int iDefaultResult = 0,
                  const std::string& iCaption = std::string());

// Puts the application-wide screen cursor back to the default.
void ResetScreenCursor();

// Tells the user that a provider operation its class does not supply was called.
void ReportUnimplementedMethod(const lib::TObject& provider, const std::string& label);

// ---- Texts with the ideographic space "　" as white space

// The lead-byte values of a code page: empty for a single-byte one.
class TLeadByteSet {
  public:
    TLeadByteSet() = default;
    static TLeadByteSet ForCodePage(UINT codePage);
    // Fixed once at start: those of Shift-JIS, the library's own texts' code page, on a Windows
    // of any language.
    static const TLeadByteSet& Process();

    bool Empty() const { return lead_.none(); }
    bool IsLeadByte(unsigned char c) const { return lead_.test(c); }
    void Add(unsigned char first, unsigned char last);

  private:
    std::bitset<256> lead_;
};

// Without leading and trailing white space: bytes 0 to 32 and ideographic spaces.
std::string TrimFullWidth(const std::string& text,
                          const TLeadByteSet& leadBytes = TLeadByteSet::Process());
// Whether TrimFullWidth leaves nothing.
bool IsBlank(const std::string& text, const TLeadByteSet& leadBytes = TLeadByteSet::Process());
// Whether the text ends with the suffix at a character boundary.
bool EndsWithStr(const std::string& suffix, const std::string& text,
                 const TLeadByteSet& leadBytes = TLeadByteSet::Process());
