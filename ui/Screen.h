// The application-wide screen cursor.
#pragma once

namespace ui {

enum class ScreenCursor { Default = 0, HourGlass = -11 };

// Shows this cursor now; the program asks only for the default one, before a message box, so
// that no busy cursor stays over it.
void SetScreenCursor(ScreenCursor cursor);

}  // namespace ui
