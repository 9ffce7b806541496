// The system's save-file dialog.
#include "ui/SaveDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace ui {
namespace {

// Room for the longest path the system takes, in bytes.
constexpr std::size_t kFileNameRoom = 32768;

}  // namespace

std::optional<std::string> AskSaveFileName(HWND owner, const SaveDialogOptions& options) {
    // The system wants NUL-separated pairs ending in two NULs.
    std::string filter = options.filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.append(2, '\0');
    std::vector<char> file(kFileNameRoom, '\0');

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = options.defaultExtension.empty() ? nullptr : options.defaultExtension.c_str();
    ofn.Flags = options.flags;
    if (!GetSaveFileNameA(&ofn)) return std::nullopt;
    return std::string(file.data());
}

}  // namespace ui
