// Child controls made from layout rows.
#pragma once

#include <windows.h>

#include "ui/Layout.h"
#include "win/UniqueHandle.h"

namespace ui {

// Creates the control of one layout row; the parent window destroys it.
HWND CreateControl(HWND parent, const ControlRow& row, HFONT font);

// Sizes an auto-sized label to its current text: never narrower than its layout width.
void FitLabel(HWND label, const ControlRow& row, HFONT font);

// Puts a bitmap resource beside a button's caption; magenta pixels are transparent. The button
// keeps using the list, so the caller keeps it alive until the button is gone.
win::UniqueHimagelist SetButtonGlyph(HWND button, HINSTANCE instance, const char* resource);

}  // namespace ui
