// Where a finished report goes.
#include "app/ReportOutput.h"

#include <cstring>

#include "lib/SysText.h"
#include "lib/System.h"
#include "win/ClipboardGuards.h"
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

void PutTextOnClipboard(HWND owner, const std::string& text, const ClipboardCalls& calls) {
    win::ClipboardSession clipboard(owner);
    if (!clipboard.Opened()) throw lib::Exception("クリップボードを開くことができません");

    win::UniqueHglobal block(calls.globalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1));
    if (!block) throw lib::Exception("クリップボードにデータを設定できません");
    {
        win::GlobalLockGuard locked(block.get());
        if (!locked.get()) throw lib::Exception("クリップボードにデータを設定できません");
        std::memcpy(locked.get(), text.c_str(), text.size() + 1);
    }
    EmptyClipboard();
    if (!calls.setClipboardData(CF_TEXT, block.get()))
        throw lib::Exception("クリップボードにデータを設定できません");
    block.release();  // the clipboard owns it now
}
