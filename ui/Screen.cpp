// The application-wide screen cursor.
#include "ui/Screen.h"

#include <windows.h>

namespace ui {

void ShowDefaultCursor() {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace ui
