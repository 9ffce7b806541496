// Names of the program's resources, shared by the resource script and the code.
#pragma once

#define QUORVIN_MAINICON "MAINICON"
#define QUORVIN_ABOUTICON "ABOUTICON"
#define QUORVIN_GLYPH_SAVE "GLYPH_SAVE"
#define QUORVIN_GLYPH_CLIPBOARD "GLYPH_CLIPBOARD"
#define QUORVIN_GLYPH_ABOUT "GLYPH_ABOUT"
#define QUORVIN_GLYPH_EXIT "GLYPH_EXIT"
