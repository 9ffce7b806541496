// The message loop of a modal form.
#pragma once

#include <windows.h>

namespace ui {

// Pumps the thread's messages, the form's dialog keys included, until done is set. A quit
// message ends it too and is posted again for the loop outside.
void RunModalLoop(HWND form, const bool& done);

}  // namespace ui
