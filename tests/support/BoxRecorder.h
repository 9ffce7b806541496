// Answers every message box that a process shows while the recorder lives, and keeps what
// each one said.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "tests/support/Driver.h"

namespace support {

struct RecordedBox {
    MessageBoxView view;
    RECT rect;
};

class BoxRecorder {
  public:
    explicit BoxRecorder(DWORD pid = GetCurrentProcessId());
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    std::vector<RecordedBox> Boxes() const;

  private:
    void Watch();

    DWORD pid_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<RecordedBox> boxes_;
    std::thread thread_;
};

}  // namespace support
