// The report as a text file.
#include "app/ReportFile.h"

#include <windows.h>

#include "lib/SysText.h"
#include "lib/System.h"
#include "resources/UserTexts.h"
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
