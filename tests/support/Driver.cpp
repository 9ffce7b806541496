// End-to-end driver for the tests.
#include "tests/support/Driver.h"

#include <stdexcept>
#include <vector>

#include "win/GdiGuards.h"
#include "win/ModulePath.h"
#include "win/ShiftJis.h"
#include "win/WindowClass.h"
#include "win/WindowText.h"

namespace support {

std::string ExeDir() {
    std::string path = win::ModulePath();
    return path.substr(0, path.find_last_of("\\/"));
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(5);
    }
}

Program::Program() : Program(ExeDir() + "\\Quorvin.exe") {}

Program::Program(const std::string& exePath) {
    std::string commandLine = "\"" + exePath + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi))
        throw std::runtime_error("cannot start " + exePath);
    win::UniqueKernelHandle thread(pi.hThread);
    process_.reset(pi.hProcess);
    pid_ = pi.dwProcessId;
    WaitForInputIdle(process_.get(), kWaitMs);
}

Program::~Program() {
    if (Running()) {
        TerminateProcess(process_.get(), 255);
        WaitForSingleObject(process_.get(), kWaitMs);
    }
}

bool Program::Running() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

DWORD Program::WaitExit(DWORD timeoutMs) {
    if (WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0)
        throw std::runtime_error("the program did not end");
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

namespace {

void PostKey(HWND window, WORD vk, UINT down, UINT up, LPARAM flags) {
    HWND target = FocusOf(window);
    if (!target) target = window;
    UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    LPARAM lParam = 1 | (static_cast<LPARAM>(scan) << 16) | flags;
    PostMessageA(target, down, vk, lParam);
    PostMessageA(target, up, vk, lParam | (1u << 30) | (1u << 31));
}

// A visible top-level window of the process with this class and, unless null, these exact
// caption bytes. The system picks the candidates by class (and caption, without case), so a
// poll costs a few calls however many windows there are: the program under test shares the
// Wine server with this process, and a busy poll would slow it down.
HWND FindTopLevel(DWORD pid, const std::string& className, const std::string* caption) {
    std::wstring wideClass = win::FromShiftJis(className);
    std::wstring wideCaption = caption ? win::FromShiftJis(*caption) : std::wstring();
    const wchar_t* title = caption ? wideCaption.c_str() : nullptr;
    for (HWND w = FindWindowExW(nullptr, nullptr, wideClass.c_str(), title); w;
         w = FindWindowExW(nullptr, w, wideClass.c_str(), title)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid && IsWindowVisible(w) && (!caption || Text(w) == *caption)) return w;
    }
    return nullptr;
}

HWND WaitForTopLevel(DWORD pid, const std::string& className, const std::string* caption,
                     DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopLevel(pid, className, caption)) != nullptr; },
              timeoutMs);
    return found;
}

}  // namespace

HWND WaitForWindow(DWORD pid, const std::string& className, const std::string& caption,
                   DWORD timeoutMs) {
    return WaitForTopLevel(pid, className, &caption, timeoutMs);
}

HWND WaitForDialog(DWORD pid, DWORD timeoutMs) {
    return WaitForTopLevel(pid, win::kDialogClass, nullptr, timeoutMs);
}

namespace {

struct WindowCount {
    DWORD pid;
    std::size_t count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) noexcept {
    ++reinterpret_cast<WindowCount*>(param)->count;
    return TRUE;
}

void CountWithChildren(HWND hwnd, WindowCount* c) noexcept {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != c->pid) return;
    ++c->count;
    EnumChildWindows(hwnd, CountChild, reinterpret_cast<LPARAM>(c));
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM param) noexcept {
    CountWithChildren(hwnd, reinterpret_cast<WindowCount*>(param));
    return TRUE;
}

}  // namespace

std::size_t ProcessWindows(DWORD pid) {
    WindowCount c{pid, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&c));
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, nullptr, nullptr))
        CountWithChildren(w, &c);
    return c.count;
}

HWND Program::WaitForWindow(const std::string& className, const std::string& caption,
                            DWORD timeoutMs) const {
    return support::WaitForWindow(pid_, className, caption, timeoutMs);
}

namespace {

HWND IconControl(HWND box) {
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (win::IsWindowClass(c, win::kStaticClass) &&
            (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(c))
            return c;
    return nullptr;
}

// The pixels of a rectangle of the screen, or of a stock icon drawn on a given background.
std::vector<COLORREF> Pixels(HDC source, int x, int y, int w, int h) {
    std::vector<COLORREF> out;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) out.push_back(GetPixel(source, x + i, y + j));
    return out;
}

BoxIcon IconOf(HWND box) {
    HWND control = IconControl(box);
    if (!control || !SendMessageA(control, STM_GETICON, 0, 0)) return BoxIcon::None;
    RECT r{};
    GetWindowRect(control, &r);
    int w = GetSystemMetrics(SM_CXICON), h = GetSystemMetrics(SM_CYICON);
    win::WindowDc screen(nullptr);
    std::vector<COLORREF> shown = Pixels(screen.get(), r.left, r.top, w, h);
    COLORREF background = GetPixel(screen.get(), r.right - 1, r.bottom - 1);

    win::UniqueMemoryDc memoryDc(CreateCompatibleDC(screen.get()));
    HDC memory = memoryDc.get();
    win::UniqueHbitmap canvas(CreateCompatibleBitmap(screen.get(), w, h));
    win::SelectedObject selected(memory, canvas.get());
    win::UniqueHbrush brush(CreateSolidBrush(background));
    const struct {
        LPCSTR id;
        BoxIcon kind;
    } stock[] = {{IDI_HAND, BoxIcon::Error},
                 {IDI_EXCLAMATION, BoxIcon::Warning},
                 {IDI_ASTERISK, BoxIcon::Information},
                 {IDI_QUESTION, BoxIcon::Question}};
    BoxIcon found = BoxIcon::Unknown;
    for (const auto& s : stock) {
        RECT all{0, 0, w, h};
        FillRect(memory, &all, brush.get());
        DrawIconEx(memory, 0, 0, LoadIconA(nullptr, s.id), w, h, 0, nullptr, DI_NORMAL);
        if (Pixels(memory, 0, 0, w, h) == shown) found = s.kind;
    }
    return found;
}

}  // namespace

MessageBoxView ReadMessageBox(HWND box) {
    MessageBoxView view;
    view.caption = Text(box);
    view.text = Text(GetDlgItem(box, 0xFFFF));
    // The box may not have drawn its icon yet when it is first seen.
    WaitUntil([&] { return (view.icon = IconOf(box)) != BoxIcon::Unknown; }, 3000);
    view.owner = GetWindow(box, GW_OWNER);
    return view;
}

HWND WaitForSaveDialog(DWORD pid, DWORD timeoutMs) {
    return WaitForWindow(pid, win::kDialogClass, "名前を付けて保存", timeoutMs);
}

std::string FileTypeText(HWND fileDialog) {
    // A drop-down list answers no window text across processes under Wine: read the selected
    // entry, in UTF-16 to be safe from the ANSI marshalling, and convert it here.
    HWND box = GetDlgItem(fileDialog, 0x470);
    WaitUntil([&] { return SendMessageW(box, CB_GETCURSEL, 0, 0) >= 0; }, 3000);
    LRESULT index = SendMessageW(box, CB_GETCURSEL, 0, 0);
    LRESULT length = SendMessageW(box, CB_GETLBTEXTLEN, index, 0);
    if (index < 0 || length <= 0) return std::string();
    std::vector<wchar_t> wide(length + 1);
    SendMessageW(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
    return win::ToShiftJis(wide.data());
}

void EnterFileName(HWND fileDialog, const std::string& name) {
    EnterFileName(fileDialog, win::FromShiftJis(name));
}

void EnterFileName(HWND fileDialog, const std::wstring& name) {
    // Wine has shown the name box both as a combo box (cmb13) and as an edit box (edt1).
    HWND box = GetDlgItem(fileDialog, 0x47C);
    if (!box || !IsWindowVisible(box)) box = GetDlgItem(fileDialog, 0x480);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    Answer(fileDialog, IDOK);
}

HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w = FindWindowExA(nullptr, nullptr, win::kDialogClass, nullptr); w;
                 w = FindWindowExA(nullptr, w, win::kDialogClass, nullptr))
                if (GetWindow(w, GW_OWNER) == owner && IsWindowVisible(w)) found = w;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

void Answer(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

std::string Text(HWND hwnd) {
    return win::ToShiftJis(win::WindowText(hwnd));
}

RECT RectInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE ClientSize(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

std::vector<COLORREF> ScreenPixels(const RECT& r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    win::WindowDc screen(nullptr);
    win::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    void* bits = nullptr;
    win::UniqueHbitmap canvas(
        CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!canvas) return {};
    {
        win::SelectedObject selected(memory.get(), canvas.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY);
    }
    GdiFlush();
    const RGBQUAD* pixel = static_cast<const RGBQUAD*>(bits);
    std::vector<COLORREF> out;
    for (int i = 0; i < width * height; ++i, ++pixel)
        out.push_back(RGB(pixel->rgbRed, pixel->rgbGreen, pixel->rgbBlue));
    return out;
}

RECT ClientRectOnScreen(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND FindChild(HWND parent, const std::string& className, const std::string& text) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (win::IsWindowClass(child, className.c_str()) && Text(child) == text) return child;
    return nullptr;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

bool WaitForFocusWithin(HWND window, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            HWND focus = FocusOf(window);
            return focus && (focus == window || IsChild(window, focus));
        },
        timeoutMs);
}

void Click(HWND button) {
    PostMessageA(button, BM_CLICK, 0, 0);
}

void PressKey(HWND window, WORD vk) {
    PostKey(window, vk, WM_KEYDOWN, WM_KEYUP, 0);
}

void PressAltKey(HWND window, WORD vk) {
    PostKey(window, vk, WM_SYSKEYDOWN, WM_SYSKEYUP, static_cast<LPARAM>(KF_ALTDOWN) << 16);
}

}  // namespace support
