// The application-wide screen cursor.
#pragma once

namespace ui {

enum class ScreenCursor { Default = 0, HourGlass = -11 };

// A cursor other than the default shows over every window of the program until it is reset.
void SetScreenCursor(ScreenCursor cursor);
ScreenCursor GetScreenCursor();

}  // namespace ui
