// Scoped guards for the clipboard: an open session and a locked global memory block.
#pragma once

#include <windows.h>

namespace win {

// OpenClipboard / CloseClipboard. Opened() says whether the system let us in; Open() tries
// again after a refusal.
class ClipboardSession {
  public:
    explicit ClipboardSession(HWND owner) noexcept { Open(owner); }
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    bool Opened() const noexcept { return open_; }
    bool Open(HWND owner) noexcept {
        if (!open_) open_ = OpenClipboard(owner) != FALSE;
        return open_;
    }

  private:
    bool open_ = false;
};

// GlobalLock / GlobalUnlock.
class GlobalLockGuard {
  public:
    explicit GlobalLockGuard(HGLOBAL block) noexcept : block_(block), data_(GlobalLock(block)) {}
    ~GlobalLockGuard() {
        if (data_) GlobalUnlock(block_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    void* get() const noexcept { return data_; }

  private:
    HGLOBAL block_;
    void* data_;
};

}  // namespace win
