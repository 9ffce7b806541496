// End-to-end driver for the tests.
#include "tests/driver/Driver.h"

#include <stdexcept>
#include <vector>

#include "ui/GdiGuards.h"

namespace driver {

std::string ExeDir() {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/"));
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
    ui::UniqueKernelHandle thread(pi.hThread);
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

struct WindowQuery {
    DWORD pid;
    const std::string* className;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
    auto* q = reinterpret_cast<WindowQuery*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != q->pid || !IsWindowVisible(hwnd)) return TRUE;
    if (ClassName(hwnd) != *q->className) return TRUE;
    if (q->caption && Text(hwnd) != *q->caption) return TRUE;
    q->found = hwnd;
    return FALSE;
}

void PostKey(HWND window, WORD vk, UINT down, UINT up, LPARAM flags) {
    HWND target = FocusOf(window);
    if (!target) target = window;
    UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    LPARAM lParam = 1 | (static_cast<LPARAM>(scan) << 16) | flags;
    PostMessageA(target, down, vk, lParam);
    PostMessageA(target, up, vk, lParam | (1u << 30) | (1u << 31));
}

}  // namespace

namespace {

// A visible top-level window of the process with this class and, unless null, this caption.
HWND WaitForTopLevel(DWORD pid, const std::string& className, const std::string* caption,
                     DWORD timeoutMs) {
    WindowQuery q{pid, &className, caption, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&q));
            return q.found != nullptr;
        },
        timeoutMs);
    return q.found;
}

}  // namespace

HWND WaitForWindow(DWORD pid, const std::string& className, const std::string& caption,
                   DWORD timeoutMs) {
    return WaitForTopLevel(pid, className, &caption, timeoutMs);
}

HWND WaitForDialog(DWORD pid, DWORD timeoutMs) {
    return WaitForTopLevel(pid, "#32770", nullptr, timeoutMs);
}

namespace {

struct WindowCount {
    DWORD pid;
    std::size_t count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
    ++reinterpret_cast<WindowCount*>(param)->count;
    return TRUE;
}

void CountWithChildren(HWND hwnd, WindowCount* c) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != c->pid) return;
    ++c->count;
    EnumChildWindows(hwnd, CountChild, reinterpret_cast<LPARAM>(c));
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM param) {
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
    return driver::WaitForWindow(pid_, className, caption, timeoutMs);
}

namespace {

HWND IconControl(HWND box) {
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (ClassName(c) == "Static" && (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            IsWindowVisible(c))
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
    ui::WindowDc screen(nullptr);
    std::vector<COLORREF> shown = Pixels(screen.get(), r.left, r.top, w, h);
    COLORREF background = GetPixel(screen.get(), r.right - 1, r.bottom - 1);

    ui::UniqueMemoryDc memoryDc(CreateCompatibleDC(screen.get()));
    HDC memory = memoryDc.get();
    ui::UniqueHbitmap canvas(CreateCompatibleBitmap(screen.get(), w, h));
    ui::SelectedObject selected(memory, canvas.get());
    ui::UniqueHbrush brush(CreateSolidBrush(background));
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
    return WaitForWindow(pid, "#32770", "名前を付けて保存", timeoutMs);
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
    char text[1024] = {};
    int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), -1, text, sizeof text, nullptr, nullptr);
    return std::string(text, n > 0 ? n - 1 : 0);
}

void EnterFileName(HWND fileDialog, const std::string& name) {
    // Wine has shown the name box both as a combo box (cmb13) and as an edit box (edt1).
    HWND box = GetDlgItem(fileDialog, 0x47C);
    if (!box || !IsWindowVisible(box)) box = GetDlgItem(fileDialog, 0x480);
    SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    Answer(fileDialog, IDOK);
}

HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", nullptr); w;
                 w = FindWindowExA(nullptr, w, "#32770", nullptr))
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
    int n = GetWindowTextLengthA(hwnd);
    std::vector<char> buf(n + 1);
    n = GetWindowTextA(hwnd, buf.data(), n + 1);
    return std::string(buf.data(), n);
}

std::string ClassName(HWND hwnd) {
    char buf[256] = {};
    int n = GetClassNameA(hwnd, buf, sizeof buf);
    return std::string(buf, n);
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

HWND FindChild(HWND parent, const std::string& className, const std::string& text) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassName(child) == className && Text(child) == text) return child;
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

}  // namespace driver
