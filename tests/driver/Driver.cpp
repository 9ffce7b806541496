// End-to-end driver for the tests.
#include "tests/driver/Driver.h"

#include <stdexcept>
#include <vector>

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
        Sleep(20);
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

bool Program::Running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

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
    if (ClassName(hwnd) != *q->className || Text(hwnd) != *q->caption) return TRUE;
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

HWND Program::WaitForWindow(const std::string& className, const std::string& caption,
                            DWORD timeoutMs) const {
    WindowQuery q{pid_, &className, &caption, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&q));
            return q.found != nullptr;
        },
        timeoutMs);
    return q.found;
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

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void PressKey(HWND window, WORD vk) { PostKey(window, vk, WM_KEYDOWN, WM_KEYUP, 0); }

void PressAltKey(HWND window, WORD vk) {
    PostKey(window, vk, WM_SYSKEYDOWN, WM_SYSKEYUP, static_cast<LPARAM>(KF_ALTDOWN) << 16);
}

}  // namespace driver
