// The maker's system and string utilities.
#include "lib/ZDQFunctions.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "lib/SysText.h"
#include "lib/ZDQException.h"
#include "lib/ZDQGlobalVars.h"
#include "ui/Screen.h"
#include "win/ShiftJis.h"
#include "win/VersionLibrary.h"

namespace {

// The buffer's text up to its first NUL, never past its end.
template <typename Char>
std::basic_string<Char> TextIn(const Char* buffer, std::size_t capacity) {
    std::size_t length = 0;
    while (length < capacity && buffer[length] != Char()) ++length;
    return std::basic_string<Char>(buffer, length);
}

}  // namespace

// The library's fixed buffers for the two names, in bytes for the ANSI forms and characters for
// the UTF-16 ones: a user name may take one less than the buffer holds.
constexpr DWORD kNameBufferSize = 256;
constexpr DWORD kUserNameCapacity = kNameBufferSize - 1;

std::string GetLocalComputerName() {
    char buffer[kNameBufferSize];
    DWORD size = sizeof buffer;
    if (!GetComputerNameA(buffer, &size)) return std::string();
    return TextIn(buffer, sizeof buffer);
}

std::string GetLogonUserName() {
    std::vector<char> buffer(kNameBufferSize);
    DWORD size = kUserNameCapacity;
    if (!GetUserNameA(buffer.data(), &size)) return std::string();
    return TextIn(buffer.data(), buffer.size());
}

std::wstring GetLocalComputerNameW() {
    wchar_t buffer[kNameBufferSize];
    DWORD size = kNameBufferSize;
    if (!GetComputerNameW(buffer, &size)) return std::wstring();
    return TextIn(buffer, kNameBufferSize);
}

std::wstring GetLogonUserNameW() {
    std::vector<wchar_t> buffer(kNameBufferSize);
    DWORD size = kUserNameCapacity;
    if (!GetUserNameW(buffer.data(), &size)) return std::wstring();
    return TextIn(buffer.data(), buffer.size());
}

namespace {

constexpr const char* kVersionKeys[] = {
    "Comments",     "CompanyName",    "FileDescription", "FileVersion",
    "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
    "PrivateBuild", "ProductName",    "ProductVersion",  "SpecialBuild",
};

}  // namespace

std::string GetVersionInfo(const std::string& fileName, TVersionInfoItem item) {
    // Without the system's version library no record can be read: as for a file without one.
    const win::VersionFunctions& version = win::SystemVersionFunctions();
    if (!version) return std::string();
    DWORD unused = 0;
    DWORD size = version.getFileVersionInfoSize(fileName.c_str(), &unused);
    if (size == 0) return std::string();
    std::vector<char> record(size);
    version.getFileVersionInfo(fileName.c_str(), 0, size, record.data());

    void* translation = nullptr;
    UINT length = 0;
    if (!version.verQueryValue(record.data(), "\\VarFileInfo\\Translation", &translation,
                               &length) ||
        length < sizeof(DWORD))
        throw lib::Exception("情報の取得に失敗しました");
    DWORD first = 0;
    std::memcpy(&first, translation, sizeof first);
    char block[64];
    wsprintfA(block, "\\StringFileInfo\\%04X%04X\\", LOWORD(first), HIWORD(first));

    void* value = nullptr;
    if (!version.verQueryValue(record.data(), (std::string(block) + kVersionKeys[item]).c_str(),
                               &value, &length) ||
        length == 0 || !value)
        return std::string();
    return lib::Trim(TextIn(static_cast<const char*>(value), length));
}

namespace {

// The box's result always replaces the caller's default result, which is therefore unused.
int ShowThroughPresenter(const std::exception& e, int iTimeoutSec, bool iShowCountdown,
                         HWND iActivateWnd, const std::string& iCaption) {
    if (!gMPObject)
        throw ECIncompleteCode(
            "CExceptionMsg 関数の動作に必要な gMPObject のインスタンスが初期化されていません");
    auto* family = dynamic_cast<const ECException*>(&e);
    gMPObject->MsgBoxFlags = family ? family->MsgBoxFlags : MB_ICONHAND;
    gMPObject->Caption = IsBlank(iCaption) ? gMPObject->GetDefaultCaption() : iCaption;
    gMPObject->TimeoutSec = iTimeoutSec;
    gMPObject->ShowCountdown = iShowCountdown;
    gMPObject->ActivateWnd = iActivateWnd;
    return gMPObject->ShowMsgBox(e);
}

}  // namespace

int CExceptionMsg(std::unique_ptr<std::exception> iException, int iTimeoutSec, bool iShowCountdown,
                  HWND iActivateWnd, int /*iDefaultResult*/, const std::string& iCaption) {
    return ShowThroughPresenter(*iException, iTimeoutSec, iShowCountdown, iActivateWnd, iCaption);
}

int CExceptionMsg(const std::exception& iException, int iTimeoutSec, bool iShowCountdown,
                  HWND iActivateWnd, int /*iDefaultResult*/, const std::string& iCaption) {
    return ShowThroughPresenter(iException, iTimeoutSec, iShowCountdown, iActivateWnd, iCaption);
}

void ResetScreenCursor() {
    ui::ShowDefaultCursor();
}

void ReportUnimplementedMethod(const lib::TObject& provider, const std::string& label) {
    std::string text = lib::FormatText("%s クラスで未実装のメソッド %s が呼び出されました",
                                       {provider.ClassName(), label});
    CExceptionMsg(std::make_unique<ECIncompleteCode>(text), -1, false, nullptr, 0, "");
}

TLeadByteSet TLeadByteSet::ForCodePage(UINT codePage) {
    TLeadByteSet set;
    CPINFO info{};
    if (!GetCPInfo(codePage, &info)) return set;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2)
        set.Add(info.LeadByte[i], info.LeadByte[i + 1]);
    return set;
}

const TLeadByteSet& TLeadByteSet::Process() {
    static const TLeadByteSet set = ForCodePage(win::kShiftJisCodePage);
    return set;
}

void TLeadByteSet::Add(unsigned char first, unsigned char last) {
    for (unsigned c = first; c <= last; ++c) lead_.set(c);
}

namespace {

const std::string kIdeographicSpace = "　";

}  // namespace

bool EndsWithStr(const std::string& suffix, const std::string& text,
                 const TLeadByteSet& leadBytes) {
    if (text.size() < suffix.size()) return false;
    std::size_t start = text.size() - suffix.size();  // 0-based position of the suffix
    if (!leadBytes.Empty() && start < text.size()) {
        // The byte is a trail byte when an odd run of lead-byte values stands right before it.
        std::size_t run = 0;
        while (run < start &&
               leadBytes.IsLeadByte(static_cast<unsigned char>(text[start - run - 1])))
            ++run;
        if (run % 2 == 1) return false;
    }
    if (suffix.empty()) return true;
    // The Japanese locale reads both with code page 932, whatever the system's.
    return CompareStringA(win::kShiftJisLocale, 0, text.data() + start,
                          static_cast<int>(suffix.size()), suffix.data(),
                          static_cast<int>(suffix.size())) == CSTR_EQUAL;
}

std::string TrimFullWidth(const std::string& text, const TLeadByteSet& leadBytes) {
    std::string t = lib::Trim(text);
    // The first character always starts at a boundary, so a plain prefix test suffices.
    while (t.compare(0, kIdeographicSpace.size(), kIdeographicSpace) == 0)
        t = lib::Trim(t.substr(kIdeographicSpace.size()));
    while (EndsWithStr(kIdeographicSpace, t, leadBytes))
        t = lib::Trim(t.substr(0, t.size() - kIdeographicSpace.size()));
    return t;
}

bool IsBlank(const std::string& text, const TLeadByteSet& leadBytes) {
    return TrimFullWidth(text, leadBytes).empty();
}
