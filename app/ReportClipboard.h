// The report on the clipboard: Shift-JIS made here for CF_TEXT, and the report's UTF-16 itself.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win/Clipboard.h"

// The clipboard calls that cannot be made to fail for real; tests put failing ones in.
struct ClipboardCalls {
    win::GlobalAllocFn globalAlloc;
    win::EmptyClipboardFn emptyClipboard;
    win::SetClipboardDataFn setClipboardData;
};
const ClipboardCalls& SystemClipboardCalls();

// Waits between two tries to open a clipboard that another program holds; false gives the copy
// up.
using ClipboardPause = std::function<bool(DWORD milliseconds)>;
bool SleepBetweenTries(DWORD milliseconds);

// Replaces the clipboard's content with the text as CF_TEXT in Shift-JIS and its terminating
// NUL, the text itself as CF_UNICODETEXT, and CF_LOCALE Japanese, so that every reader gets the
// text whatever the keyboard layout, and Unicode readers every name exactly. Tries for about a
// second to open a clipboard that another program holds, pausing between the tries; false, and
// nothing touched, when a pause gives up. Throws when the clipboard cannot be opened or emptied,
// or does not take the CF_TEXT; nothing is left behind then. A refusal of the two Unicode
// helpers is no error: Windows then converts CF_TEXT itself, best-fitted names and all.
bool PutTextOnClipboard(HWND owner, const std::wstring& text,
                        const ClipboardCalls& calls = SystemClipboardCalls(),
                        const ClipboardPause& pause = &SleepBetweenTries);
