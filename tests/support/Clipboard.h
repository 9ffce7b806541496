// The clipboard as another program sees it: reading it, filling it, and holding it open.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

#include "win/UniqueHandle.h"

namespace support {

// The whole CF_TEXT block (its terminating NUL included), or nothing when there is none.
std::string ReadClipboardBlock();
// The CF_UNICODETEXT text up to its NUL, as a Unicode reader pastes it.
std::wstring ReadClipboardUnicode();

// A window on a thread of its own that keeps pumping messages, as a clipboard owner must
// while another program empties the clipboard.
class ClipboardHolder {
  public:
    ClipboardHolder();
    ~ClipboardHolder();
    ClipboardHolder(const ClipboardHolder&) = delete;
    ClipboardHolder& operator=(const ClipboardHolder&) = delete;

    // Replaces the clipboard's content with this text as CF_TEXT.
    bool Put(const std::string& text);
    // Keeps the clipboard open until Release, so nobody else can open it.
    bool HoldOpen();
    void Release();

  private:
    void Run();

    HWND window_ = nullptr;
    win::UniqueKernelHandle ready_;
    std::thread thread_;
};

}  // namespace support
