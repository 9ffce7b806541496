// Names of the program's resources and the maker's facts, shared by the resource script and
// the code.
#pragma once

#define QUORVIN_MAINICON "MAINICON"
#define QUORVIN_ABOUTICON "ABOUTICON"
#define QUORVIN_GLYPH_SAVE "GLYPH_SAVE"
#define QUORVIN_GLYPH_CLIPBOARD "GLYPH_CLIPBOARD"
#define QUORVIN_GLYPH_ABOUT "GLYPH_ABOUT"
#define QUORVIN_GLYPH_EXIT "GLYPH_EXIT"

#define QUORVIN_COMPANY_NAME "Quorvin Soft Co., Ltd."
#define QUORVIN_COPYRIGHT "Copyright (C) 2026 Quorvin Soft Co., Ltd."
#define QUORVIN_REGISTER_URL "https://www.example.jp/quorvin/register/"
#define QUORVIN_INQUIRY_URL "https://www.example.jp/quorvin/inquiry/"
