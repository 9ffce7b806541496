// The system's save-file dialog.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>

namespace ui {

struct SaveDialogOptions {
    std::string filter;            // display text and pattern pairs, "|"-separated
    std::string defaultExtension;  // added to a name typed without one
    DWORD flags;                   // OFN_* options
};

// Shows the dialog modally over the owner; the chosen full path, or nothing when cancelled. The
// path is UTF-16: a folder such as "C:\Users\José" has no Shift-JIS form.
std::optional<std::wstring> AskSaveFileName(HWND owner, const SaveDialogOptions& options);

}  // namespace ui
