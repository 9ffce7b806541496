// While something modal is up.
#include "ui/ModalScope.h"

namespace ui {
namespace {

struct Collect {
    HWND except;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectTaskWindow(HWND hwnd, LPARAM param) {
    auto* c = reinterpret_cast<Collect*>(param);
    if (hwnd != c->except && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
        c->windows->push_back(hwnd);
    return TRUE;
}

}  // namespace

ModalScope::ModalScope(HWND except) : active_(GetActiveWindow()), focus_(GetFocus()) {
    Collect c{except, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), CollectTaskWindow, reinterpret_cast<LPARAM>(&c));
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
