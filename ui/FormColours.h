// The colours a form draws in: the system's, each text in the colour that belongs to the
// background it stands on, so that a contrast theme reaches every one of them.
#pragma once

#include <windows.h>

namespace ui {

// What WM_CTLCOLORSTATIC answers for the control drawn with this device context: labels
// transparent on the button face, the read-only text box on the button face, both in the
// face's text colour (the disabled text colour for a disabled one).
LRESULT StaticControlColours(HDC dc, HWND control);

// Whether the user has turned a contrast theme on.
bool HighContrastOn();

// How far two colours stand apart, as the ratio of their relative luminances (1 to 21).
double ContrastRatio(COLORREF a, COLORREF b);

}  // namespace ui
