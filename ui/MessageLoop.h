// The thread's message loop, the one every loop of the program runs.
#pragma once

#include <windows.h>

namespace ui {

// Whether the window takes the keys of a dialog (Tab, Enter, Escape, access keys).
using TakesDialogKeys = bool (*)(HWND window);

// Pumps the thread's messages until the quit message comes, or, for a loop inside another (a
// modal form's), until done is set; such a loop posts the quit message again for the loop
// outside. Keys go to the top-level window they are for as dialog keys when it takes them.
void PumpMessages(TakesDialogKeys takesDialogKeys, const bool* done = nullptr);
// Pumps the thread's messages for about this long, as a wait that keeps the windows answering;
// earlier when the quit message comes, which it posts again for the loop outside.
void PumpMessagesFor(TakesDialogKeys takesDialogKeys, DWORD milliseconds);

}  // namespace ui
