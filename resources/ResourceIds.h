// Names of the program's resources, by which the code finds them; Quorvin.rc writes the same
// names out, and the resource test checks that each one is there.
#pragma once

#define QUORVIN_MAINICON "MAINICON"
#define QUORVIN_ABOUTICON "ABOUTICON"

// The button glyphs as drawn for 100 %. Each is drawn again for every other scale of
// ui::kGlyphScales and named after its 100 % image, an underscore and the scale in per cent:
// GLYPH_SAVE_150 is GLYPH_SAVE at 150 %. Its side is MulDiv(side at 100 %, scale, 100).
#define QUORVIN_GLYPH_SAVE "GLYPH_SAVE"
#define QUORVIN_GLYPH_CLIPBOARD "GLYPH_CLIPBOARD"
#define QUORVIN_GLYPH_ABOUT "GLYPH_ABOUT"
#define QUORVIN_GLYPH_EXIT "GLYPH_EXIT"
