// One click, one piece of work.
#include "ui/ClickGuard.h"

#include <utility>

#include "ui/Window.h"

namespace ui {

ClickGuard::Running::Running(ClickGuard& guard, HWND form) : guard_(guard), form_(form) {
    guard_.running_ = true;
}

ClickGuard::Running::~Running() {
    guard_.running_ = false;
    // The request is handed on and spent: the posted close decides anew, and should the form
    // stay, a later handler is not cut short by it.
    if (std::exchange(guard_.closeRequested_, false)) PostMessageA(form_, WM_CLOSE, 0, 0);
}

bool ClickGuard::DeferClose() {
    if (running_) closeRequested_ = true;
    return running_;
}

}  // namespace ui
