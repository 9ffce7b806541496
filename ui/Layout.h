// Layout tables: what a form and its controls look like, in pixels, as plain data.
#pragma once

#include <windows.h>

namespace ui {

enum class ControlKind { Label, Button };

enum ControlFlag : unsigned {
    kNoFlags = 0,
    kDefaultButton = 1u << 0,  // Enter presses it while focus is not on another button
    kAutoSize = 1u << 1,       // a label widens to its text when the font needs more room
};

struct ControlSpec {
    const char* name;  // the field name, for diagnostics and tests
    int id;
    ControlKind kind;
    const char* text;  // "&" marks the access key of a button
    int left, top, width, height;
    int tabOrder;       // -1: not a tab stop
    unsigned flags;     // ControlFlag bits
    const char* glyph;  // bitmap resource beside a button's caption, or nullptr
};

struct FormSpec {
    const char* className;
    const char* caption;
    int clientWidth, clientHeight;
    DWORD style;
    DWORD exStyle;
    const char* fontFace;
    int fontHeight;  // character height in pixels
    BYTE charset;
};

}  // namespace ui
