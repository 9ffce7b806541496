// What a form draws with at its DPI.
#include "ui/FormLook.h"

#include <algorithm>

#include "ui/Controls.h"
#include "ui/FormColours.h"
#include "win/Dpi.h"
#include "win/ProgramInstance.h"
#include "win/ShiftJis.h"

namespace ui {
namespace {

// The face name in UTF-16, so that it names the same font on a system of any language.
HFONT CreateFormFont(const FormFont& font, int weight, UINT dpi) {
    return CreateFontW(-win::ScaleToDpi(font.height, dpi), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                       font.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, win::FromShiftJis(font.face).c_str());
}

}  // namespace

void FormLook::ApplyTo(HWND form, const ControlRow* rows, std::size_t count, UINT dpi) {
    // The fonts and glyphs are all made before any of them is handed over: a glyph that cannot
    // be loaded leaves the controls with what they had. The icons and pictures follow; one
    // that cannot be loaded leaves its window without, which is no error.
    win::UniqueHfont regular(CreateFormFont(font_, FW_NORMAL, dpi));
    win::UniqueHfont bold(CreateFormFont(font_, FW_BOLD, dpi));
    std::vector<win::UniqueHimagelist> glyphs = LoadGlyphs(rows, count, dpi);
    for (std::size_t i = 0; i < count; ++i) {
        HFONT font = (rows[i].flags & kBold) ? bold.get() : regular.get();
        SendMessageA(GetDlgItem(form, rows[i].id), WM_SETFONT, reinterpret_cast<WPARAM>(font),
                     FALSE);
    }
    regular_ = std::move(regular);
    bold_ = std::move(bold);
    ApplyGlyphs(form, rows, std::move(glyphs), dpi);
    ApplyIcons(form, dpi);
    for (ShownPicture& shown : pictures_) Show(form, shown, dpi);
}

void FormLook::FollowTheme(HWND form, const ControlRow* rows, std::size_t count, UINT dpi) {
    ApplyGlyphs(form, rows, LoadGlyphs(rows, count, dpi), dpi);
}

// The glyphs' art is drawn for the ordinary button face. A contrast theme's face is the user's
// colour, on which some art cannot be seen: those buttons go without, their captions say all.
std::vector<win::UniqueHimagelist> FormLook::LoadGlyphs(const ControlRow* rows, std::size_t count,
                                                        UINT dpi) {
    const bool contrast = HighContrastOn();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    HINSTANCE instance = win::ProgramInstance();
    std::vector<win::UniqueHimagelist> glyphs(count);
    for (std::size_t i = 0; i < count; ++i)
        if (rows[i].glyph && (!contrast || GlyphStandsOut(instance, rows[i].glyph, dpi, face)))
            glyphs[i] = LoadGlyph(instance, rows[i].glyph, dpi);
    return glyphs;
}

void FormLook::ApplyGlyphs(HWND form, const ControlRow* rows,
                           std::vector<win::UniqueHimagelist> glyphs, UINT dpi) {
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        if (rows[i].glyph) SetButtonGlyph(GetDlgItem(form, rows[i].id), glyphs[i].get(), dpi);
    glyphs_ = std::move(glyphs);
}

HFONT FormLook::FontOf(const ControlRow& row) const {
    return (row.flags & kBold) ? bold_.get() : regular_.get();
}

void FormLook::SetPicture(HWND form, int id, const Picture& picture, UINT dpi) {
    auto shown = std::find_if(pictures_.begin(), pictures_.end(),
                              [id](const ShownPicture& p) { return p.id == id; });
    if (shown == pictures_.end()) shown = pictures_.insert(shown, ShownPicture{id, {}, {}});
    shown->picture = picture;
    Show(form, *shown, dpi);
}

void FormLook::Show(HWND form, ShownPicture& shown, UINT dpi) {
    win::UniqueHicon icon = shown.picture.ForDpi(dpi);
    SendMessageA(GetDlgItem(form, shown.id), STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    shown.icon = std::move(icon);
}

// The icon stands in the title bar and on the taskbar at the sizes the DPI asks for.
void FormLook::ApplyIcons(HWND form, UINT dpi) {
    if (!iconName_) return;
    HINSTANCE instance = win::ProgramInstance();
    win::UniqueHicon big =
        LoadIconResource(instance, iconName_, win::SystemMetricForDpi(SM_CXICON, dpi));
    win::UniqueHicon small =
        LoadIconResource(instance, iconName_, win::SystemMetricForDpi(SM_CXSMICON, dpi));
    SendMessageA(form, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    SendMessageA(form, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
}

}  // namespace ui
