// While something modal is up: the thread's other windows are disabled, and activation and
// focus go back where they were afterwards.
#pragma once

#include <windows.h>

#include <vector>

namespace ui {

class ModalScope {
  public:
    // Disables the thread's enabled, visible top-level windows except the one given.
    explicit ModalScope(HWND except = nullptr);
    // Enables them again and gives activation back, unless a window was brought forward on
    // purpose meanwhile (the presenter's self-closing boxes can do that).
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    HWND PreviouslyActive() const { return active_; }

  private:
    HWND active_;
    HWND focus_;
    std::vector<HWND> disabled_;
};

}  // namespace ui
