// The report on the clipboard.
#include "app/ReportClipboard.h"

#include "lib/System.h"
#include "resources/UserTexts.h"
#include "win/ShiftJis.h"
#include "win/UniqueHandle.h"

namespace {

// Other programs (clipboard history, remote desktop, clipboard managers) hold the clipboard
// for moments all the time: about a second of tries before the copy counts as refused.
constexpr int kOpenTries = 11;
constexpr DWORD kOpenRetryMs = 100;

// The CF_TEXT is Shift-JIS whatever the keyboard layout: without a locale of its own, Windows
// would convert it for readers of other formats with the code page of the input language.
constexpr LCID kReportLocale = win::kShiftJisLocale;

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

const ClipboardCalls& SystemClipboardCalls() {
    static const ClipboardCalls calls{&::GlobalAlloc, &::EmptyClipboard, &::SetClipboardData};
    return calls;
}

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
    // Without emptying, the clipboard is not ours to fill: as good as not opened.
    if (!calls.emptyClipboard()) throw lib::Exception(kClipboardNotOpenedError);
    if (!win::PlaceOnClipboard(CF_TEXT, std::move(block), calls.setClipboardData))
        throw lib::Exception(kClipboardNotSetError);
    PlaceUnicodeForms(text, calls);
    return true;
}
