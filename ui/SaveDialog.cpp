// The system's save-file dialog.
#include "ui/SaveDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "win/ShiftJis.h"

namespace ui {
namespace {

// Room for the longest path the system takes, in characters.
constexpr std::size_t kFileNameRoom = 32768;

}  // namespace

std::optional<std::wstring> AskSaveFileName(HWND owner, const SaveDialogOptions& options) {
    // The system wants NUL-separated pairs ending in two NULs. Split in UTF-16, where a "|"
    // cannot be the second byte of a Shift-JIS character.
    std::wstring filter = win::FromShiftJis(options.filter);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.append(2, L'\0');
    std::wstring extension = win::FromShiftJis(options.defaultExtension);
    std::vector<wchar_t> file(kFileNameRoom, L'\0');

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = options.flags;
    if (!GetSaveFileNameW(&ofn)) return std::nullopt;
    return std::wstring(file.data());
}

}  // namespace ui
