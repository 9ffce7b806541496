// The application-wide screen cursor.
#include "ui/Screen.h"

#include <windows.h>

namespace ui {

void SetScreenCursor(ScreenCursor cursor) {
    SetCursor(LoadCursor(nullptr, cursor == ScreenCursor::HourGlass ? IDC_WAIT : IDC_ARROW));
}

}  // namespace ui
