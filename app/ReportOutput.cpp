// Where a finished report goes.
#include "app/ReportOutput.h"

#include "lib/SysText.h"
#include "lib/System.h"
#include "resources/UserTexts.h"
#include "win/Clipboard.h"
#include "win/ErrorText.h"
#include "win/ShiftJis.h"
#include "win/UniqueHandle.h"

namespace {

// The path as the error names it: in full, or as given when the system cannot complete it.
std::wstring FullPath(const std::wstring& path) {
    DWORD room = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (room == 0) return path;
    std::wstring full(room, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), room, full.data(), nullptr);
    if (length == 0 || length >= room) return path;
    full.resize(length);
    return full;
}

}  // namespace

std::wstring ReportText(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines) text.append(line).append(L"\r\n");
    return text;
}

void WriteReportFile(const std::wstring& path, const std::wstring& text) {
    // By its UTF-16 name: a folder named outside code page 932 has no Shift-JIS form.
    win::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        DWORD error = GetLastError();
        throw lib::Exception(lib::FormatText(
            kFileNotCreatedError, {win::ToShiftJis(FullPath(path)), win::SystemErrorText(error)}));
    }
    std::string bytes = win::ToShiftJis(text);
    DWORD written = 0;
    // A write that returns success but falls short (a full disk, a size limit) loses data too.
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw lib::Exception(kWriteError);
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

// The CF_TEXT is Shift-JIS whatever the keyboard layout: without a locale of its own, Windows
// would convert it for readers of other formats with the code page of the input language.
constexpr LCID kReportLocale = 0x0411;

// Hands a copy of the bytes to the open clipboard as this format; false when it is refused.
bool Place(UINT format, const void* bytes, std::size_t size, const ClipboardCalls& calls) {
    return win::PlaceOnClipboard(format, win::ClipboardBlock(bytes, size, calls.globalAlloc),
                                 calls.setClipboardData);
}

// The text itself for Unicode readers, every name as the registry holds it, and the locale of
// the CF_TEXT. A reader gets a text either way, since Windows converts CF_TEXT itself; so a
// refusal is not an error.
void PlaceUnicodeForms(const std::wstring& text, const ClipboardCalls& calls) {
    Place(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t), calls);
    Place(CF_LOCALE, &kReportLocale, sizeof kReportLocale, calls);
}

}  // namespace

bool SleepBetweenTries(DWORD milliseconds) {
    Sleep(milliseconds);
    return true;
}

bool PutTextOnClipboard(HWND owner, const std::wstring& text, const ClipboardCalls& calls,
                        const ClipboardPause& pause) {
    std::string bytes = win::ToShiftJis(text);
    win::ClipboardSession clipboard(owner);
    for (int tries = 1; !clipboard.Opened() && tries < kOpenTries; ++tries) {
        if (!pause(kOpenRetryMs)) return false;
        clipboard.Open(owner);
    }
    if (!clipboard.Opened()) throw lib::Exception(kClipboardNotOpenedError);

    win::UniqueHglobal block =
        win::ClipboardBlock(bytes.c_str(), bytes.size() + 1, calls.globalAlloc);
    if (!block) throw lib::Exception(kClipboardNotSetError);
    EmptyClipboard();
    if (!win::PlaceOnClipboard(CF_TEXT, std::move(block), calls.setClipboardData))
        throw lib::Exception(kClipboardNotSetError);
    PlaceUnicodeForms(text, calls);
    return true;
}
