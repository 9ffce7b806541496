// The colours a form draws in: the system's, each text in the colour that belongs to the
// background it stands on, so that a contrast theme reaches every one of them.
#pragma once

#include <windows.h>

namespace ui {

// What WM_CTLCOLORSTATIC answers for the control drawn with this device context: labels
// transparent on the button face, the read-only text box on the button face, both in the
// face's text colour (the disabled text colour for a disabled one).
LRESULT StaticControlColours(HDC dc, HWND control);

}  // namespace ui
