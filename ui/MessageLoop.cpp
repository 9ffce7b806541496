// The thread's message loop.
#include "ui/MessageLoop.h"

namespace ui {
namespace {

void Dispatch(MSG& msg, TakesDialogKeys takesDialogKeys) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (root && takesDialogKeys && takesDialogKeys(root) && IsDialogMessageW(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

void PumpMessages(TakesDialogKeys takesDialogKeys, const bool* done) {
    MSG msg;
    while (!done || !*done) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            if (done) PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg, takesDialogKeys);
    }
}

void PumpMessagesFor(TakesDialogKeys takesDialogKeys, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start) {
        MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds - elapsed, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // The quit message is for the loop outside.
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            Dispatch(msg, takesDialogKeys);
        }
    }
}

}  // namespace ui
