// Where a finished report goes: a text file or the clipboard, byte for byte.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win/Clipboard.h"

// Every line followed by CR LF, the last one too; no byte-order mark.
std::string ReportText(const std::vector<std::string>& lines);

// Creates (or empties) the file and writes the whole text in one write. Throws when the file
// cannot be created, or when the write fails or falls short.
void WriteReportFile(const std::string& path, const std::string& text);

// The clipboard calls that cannot be made to fail for real; tests put failing ones in.
struct ClipboardCalls {
    win::GlobalAllocFn globalAlloc;
    win::SetClipboardDataFn setClipboardData;
};
const ClipboardCalls& SystemClipboardCalls();

// Replaces the clipboard's content with the text and its terminating NUL as CF_TEXT, and the
// same text as CF_UNICODETEXT converted from Shift-JIS with CF_LOCALE Japanese, so that every
// reader gets the text those bytes mean whatever the keyboard layout. Waits about a second for
// a clipboard that another program holds. Throws when the clipboard cannot be opened or does
// not take the CF_TEXT; nothing is left behind then. The two Unicode helpers are not essential:
// without them Windows converts CF_TEXT itself.
void PutTextOnClipboard(HWND owner, const std::string& text,
                        const ClipboardCalls& calls = SystemClipboardCalls());
