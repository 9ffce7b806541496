// The message loop of a modal form.
#include "ui/ModalLoop.h"

namespace ui {

void RunModalLoop(HWND form, const bool& done) {
    MSG msg;
    while (!done) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (IsDialogMessageA(form, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace ui
