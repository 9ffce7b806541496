// Where a finished report goes.
#include "app/ReportOutput.h"

#include "lib/SysText.h"
#include "lib/System.h"
#include "win/Clipboard.h"
#include "win/ErrorText.h"
#include "win/UniqueHandle.h"

namespace {

// The path as the error names it: in full, or as given when the system cannot complete it.
std::string FullPath(const std::string& path) {
    DWORD room = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (room == 0) return path;
    std::string full(room, '\0');
    DWORD length = GetFullPathNameA(path.c_str(), room, full.data(), nullptr);
    if (length == 0 || length >= room) return path;
    full.resize(length);
    return full;
}

}  // namespace

std::string ReportText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

void WriteReportFile(const std::string& path, const std::string& text) {
    win::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        DWORD error = GetLastError();
        throw lib::Exception(lib::FormatText("ファイル \"%s\". %s を作成できません",
                                             {FullPath(path), win::SystemErrorText(error)}));
    }
    DWORD written = 0;
    // A write that returns success but falls short (a full disk, a size limit) loses data too.
    if (!WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size())
        throw lib::Exception("ストリームへの書き込みエラー");
}

const ClipboardCalls& SystemClipboardCalls() {
    static const ClipboardCalls calls{&::GlobalAlloc, &::SetClipboardData};
    return calls;
}

namespace {

// Other programs (clipboard history, remote desktop, clipboard managers) hold the clipboard
// for moments all the time: about a second of tries before the copy counts as refused.
constexpr int kOpenTries = 11;
constexpr DWORD kOpenRetryMs = 100;

// The report is Shift-JIS whatever the keyboard layout: without a locale of its own, Windows
// would convert it for Unicode readers with the code page of the input language.
constexpr UINT kReportCodePage = 932;
constexpr LCID kReportLocale = 0x0411;

// Hands a copy of the bytes to the open clipboard as this format; false when it is refused.
bool Place(UINT format, const void* bytes, std::size_t size, const ClipboardCalls& calls) {
    return win::PlaceOnClipboard(format, win::ClipboardBlock(bytes, size, calls.globalAlloc),
                                 calls.setClipboardData);
}

// The same text for Unicode readers, and the locale its bytes are in. A reader gets the text
// either way, since Windows converts CF_TEXT itself; these only make the conversion right, so
// a refusal is not an error.
void PlaceUnicodeForms(const std::string& text, const ClipboardCalls& calls) {
    int length = MultiByteToWideChar(kReportCodePage, 0, text.c_str(),
                                     static_cast<int>(text.size() + 1), nullptr, 0);
    if (length > 0) {
        std::wstring wide(length, L'\0');
        MultiByteToWideChar(kReportCodePage, 0, text.c_str(), static_cast<int>(text.size() + 1),
                            wide.data(), length);
        Place(CF_UNICODETEXT, wide.data(), length * sizeof(wchar_t), calls);
    }
    Place(CF_LOCALE, &kReportLocale, sizeof kReportLocale, calls);
}

}  // namespace

void PutTextOnClipboard(HWND owner, const std::string& text, const ClipboardCalls& calls) {
    win::ClipboardSession clipboard(owner);
    for (int tries = 1; !clipboard.Opened() && tries < kOpenTries; ++tries) {
        Sleep(kOpenRetryMs);
        clipboard.Open(owner);
    }
    if (!clipboard.Opened()) throw lib::Exception("クリップボードを開くことができません");

    win::UniqueHglobal block =
        win::ClipboardBlock(text.c_str(), text.size() + 1, calls.globalAlloc);
    if (!block) throw lib::Exception("クリップボードにデータを設定できません");
    EmptyClipboard();
    if (!win::PlaceOnClipboard(CF_TEXT, std::move(block), calls.setClipboardData))
        throw lib::Exception("クリップボードにデータを設定できません");
    PlaceUnicodeForms(text, calls);
}
