// Answers and records message boxes.
#include "tests/support/BoxRecorder.h"

namespace support {

BoxRecorder::BoxRecorder(DWORD pid) : pid_(pid), thread_([this] { Watch(); }) {}

BoxRecorder::~BoxRecorder() {
    stop_ = true;
    thread_.join();
}

std::vector<RecordedBox> BoxRecorder::Boxes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}

void BoxRecorder::Watch() {
    HWND answered = nullptr;
    while (!stop_) {
        HWND box = WaitForDialog(pid_, 50);
        // A box just answered may linger for a moment before it is gone.
        if (!box || box == answered) continue;
        RecordedBox record{ReadMessageBox(box), RECT{}};
        GetWindowRect(box, &record.rect);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            boxes_.push_back(record);
        }
        Answer(box, IDOK);
        answered = box;
    }
}

}  // namespace support
