// The clipboard: scoped guards for an open session and a locked global memory block, and the
// handing over of data.
#pragma once

#include <windows.h>

#include <cstddef>

#include "win/UniqueHandle.h"

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

using GlobalAllocFn = HGLOBAL(WINAPI*)(UINT flags, SIZE_T bytes);
using EmptyClipboardFn = BOOL(WINAPI*)();
using SetClipboardDataFn = HANDLE(WINAPI*)(UINT format, HANDLE data);

// A movable, shareable memory block holding a copy of the bytes; empty when it cannot be had.
UniqueHglobal ClipboardBlock(const void* bytes, std::size_t size,
                             GlobalAllocFn alloc = &::GlobalAlloc);
// Hands the block to the open clipboard as this format; the clipboard owns it from then on.
// False, and the block freed, when the clipboard does not take it.
bool PlaceOnClipboard(UINT format, UniqueHglobal block,
                      SetClipboardDataFn set = &::SetClipboardData);

}  // namespace win
