// While something modal is up.
#include "ui/ModalScope.h"

#include <new>

namespace ui {
namespace {

struct Collect {
    HWND except;
    std::vector<HWND>* windows;
    bool outOfMemory;
};

// No exception may cross into the system: a failure stops the walk and is raised after it.
BOOL CALLBACK CollectTaskWindow(HWND hwnd, LPARAM param) noexcept {
    auto* c = reinterpret_cast<Collect*>(param);
    if (hwnd == c->except || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) return TRUE;
    try {
        c->windows->push_back(hwnd);
    } catch (...) {
        c->outOfMemory = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ModalScope::ModalScope(HWND except) : active_(GetActiveWindow()), focus_(GetFocus()) {
    Collect c{except, &disabled_, false};
    EnumThreadWindows(GetCurrentThreadId(), CollectTaskWindow, reinterpret_cast<LPARAM>(&c));
    if (c.outOfMemory) throw std::bad_alloc();
    for (HWND w : disabled_) EnableWindow(w, FALSE);
}

ModalScope::~ModalScope() {
    for (HWND w : disabled_)
        if (IsWindow(w)) EnableWindow(w, TRUE);
    HWND now = GetActiveWindow();
    if (active_ && IsWindow(active_) && (!now || now == active_ || !IsWindowVisible(now))) {
        SetActiveWindow(active_);
        if (focus_ && IsWindow(focus_)) SetFocus(focus_);
    }
}

}  // namespace ui
