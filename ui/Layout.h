// Layout tables: what a form and its controls look like, in pixels at 96 DPI, as plain data;
// a form scales them to the DPI it is shown at.
#pragma once

#include <windows.h>

namespace ui {

enum class ControlKind {
    Label,   // static text, transparent on the form
    Button,  // push button, optionally with a glyph
    Image,   // an icon drawn centred, not stretched
    Memo,    // read-only multi-line text that wraps, with a vertical scroll bar
};

enum ControlFlag : unsigned {
    kNoFlags = 0,
    kDefaultButton = 1u << 0,  // Enter presses it while focus is not on another button
    kAutoSize = 1u << 1,       // a label widens to its text when the font needs more room
    kBold = 1u << 2,           // the bold face of the form's font
    kCancelButton = 1u << 3,   // Escape presses it
    // Anchors: a control keeps its distance to the left and top edges of the client area,
    // and also to the right or bottom edge when anchored there, growing with the area; a
    // control anchored right but not left moves with the right edge instead.
    kAnchorRight = 1u << 4,
    kAnchorBottom = 1u << 5,
    kNotAnchoredLeft = 1u << 6,
};

// One row of a form's control table.
struct ControlRow {
    const char* name;  // the field name, for diagnostics and tests
    int id;
    ControlKind kind;
    const char* text;  // "&" marks the access key of a button
    int left, top, width, height;
    int tabOrder;       // -1: not a tab stop
    unsigned flags;     // ControlFlag bits
    const char* glyph;  // bitmap resource beside a button's caption, or nullptr
};

// The display scales, in per cent, that every glyph is drawn at: the resource named in the
// table is the 100 % image, the same name followed by "_125", "_150" or "_200" the others.
// The one list of them: resources/make_images.py draws the glyphs from it, and the resource
// test checks the resource script against it (a scale added here needs its glyphs named there).
inline constexpr int kGlyphScales[] = {100, 125, 150, 200};

// The font of a form and its controls.
struct FormFont {
    const char* face;
    int height;  // character height in pixels
    BYTE charset;
};

// The form itself: its window class, caption, client size, styles, font, and the icon
// resource that stands in its title bar and on the taskbar (or nullptr for none).
struct FormLayout {
    const char* className;
    const char* caption;
    int clientWidth, clientHeight;
    DWORD style;
    DWORD exStyle;
    FormFont font;
    const char* icon;
};

}  // namespace ui
