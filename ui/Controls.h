// Child controls made from layout rows.
#pragma once

#include <windows.h>

#include <string>

#include "ui/Layout.h"
#include "win/UniqueHandle.h"

namespace ui {

// Creates the control of one layout row, not yet placed; the parent window destroys it.
HWND CreateControl(HWND parent, const ControlRow& row);

// Sets the text of a control of this kind. An image's text is the name that accessibility tools
// read for the picture.
void SetControlText(HWND control, ControlKind kind, const std::string& text);

// The width of a label's current text in the font.
int TextWidth(HWND label, HFONT font);

// The scale of kGlyphScales nearest the DPI's; of two equally near, the larger.
int GlyphScaleFor(UINT dpi);
// The name of a glyph resource's image at one of kGlyphScales.
std::string GlyphResourceName(const char* base, int scale);

// The glyph drawn for the DPI (the nearest of the glyph's scales) as an image list; magenta
// pixels are transparent. Throws when the resource is missing.
win::UniqueHimagelist LoadGlyph(HINSTANCE instance, const char* resource, UINT dpi);
// Whether the glyph drawn for the DPI would be seen on a button face of this colour: at least
// half of its outline (the drawn pixels that touch undrawn ones or the edge) stands 3 : 1 or
// more apart from the face, the least that a graphic needs (WCAG's non-text contrast). Throws
// when the resource is missing.
bool GlyphStandsOut(HINSTANCE instance, const char* resource, UINT dpi, COLORREF face);
// Puts the glyph beside a button's caption. The button keeps using the list, so the caller
// keeps it alive until the button is gone or has another. A null list takes the glyph away.
void SetButtonGlyph(HWND button, HIMAGELIST glyph, UINT dpi);

}  // namespace ui
