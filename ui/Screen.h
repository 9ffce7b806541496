// The application-wide screen cursor.
#pragma once

namespace ui {

// Shows the default arrow now, so that no busy cursor stays over a message box.
void ShowDefaultCursor();

}  // namespace ui
