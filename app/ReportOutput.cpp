// Where a finished report goes.
#include "app/ReportOutput.h"

#include <cstring>

#include "lib/SysText.h"
#include "lib/System.h"
#include "ui/ClipboardGuards.h"
#include "ui/UniqueHandle.h"

namespace {

// The system's text for an error code, without the line break and full stop it ends with.
std::string SystemErrorText(DWORD code) {
    char* buffer = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ARGUMENT_ARRAY,
                                  nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    ui::UniqueHlocal owned(buffer);
    std::string text(buffer ? buffer : "", length);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH * 4];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

}  // namespace

std::string ReportText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

void WriteReportFile(const std::string& path, const std::string& text) {
    ui::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        DWORD error = GetLastError();
        throw lib::Exception(lib::FormatText("ファイル \"%s\". %s を作成できません",
                                             {FullPath(path), SystemErrorText(error)}));
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
    ui::ClipboardSession clipboard(owner);
    if (!clipboard.Opened()) throw lib::Exception("クリップボードを開くことができません");

    ui::UniqueHglobal block(calls.globalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1));
    if (!block) throw lib::Exception("クリップボードにデータを設定できません");
    {
        ui::GlobalLockGuard locked(block.get());
        if (!locked.get()) throw lib::Exception("クリップボードにデータを設定できません");
        std::memcpy(locked.get(), text.c_str(), text.size() + 1);
    }
    EmptyClipboard();
    if (!calls.setClipboardData(CF_TEXT, block.get()))
        throw lib::Exception("クリップボードにデータを設定できません");
    block.release();  // the clipboard owns it now
}
