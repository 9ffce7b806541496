// The application-wide screen cursor.
#include "ui/Screen.h"

#include <windows.h>

namespace ui {
namespace {

ScreenCursor gCursor = ScreenCursor::Default;

}  // namespace

void SetScreenCursor(ScreenCursor cursor) {
    gCursor = cursor;
    SetCursor(LoadCursor(nullptr, cursor == ScreenCursor::HourGlass ? IDC_WAIT : IDC_ARROW));
}

ScreenCursor GetScreenCursor() {
    return gCursor;
}

}  // namespace ui
