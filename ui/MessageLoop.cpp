// The thread's message loop.
#include "ui/MessageLoop.h"

namespace ui {

void PumpMessages(TakesDialogKeys takesDialogKeys, const bool* done) {
    MSG msg;
    while (!done || !*done) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            if (done) PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root && takesDialogKeys && takesDialogKeys(root) && IsDialogMessageW(root, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace ui
