// What a form draws with at its DPI: the fonts of its controls, the buttons' glyphs, the icon
// in its title bar and the pictures of its image controls. Each is made anew for a new DPI,
// and what a window used before goes only once it uses the new one. In a contrast theme a
// button shows its glyph only where the glyph would be seen on the theme's button face.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "ui/Layout.h"
#include "ui/Picture.h"
#include "win/UniqueHandle.h"

namespace ui {

class FormLook {
  public:
    // The form's font, and the icon resource of its title bar (or nullptr for none).
    FormLook(const FormFont& font, const char* iconName) : font_(font), iconName_(iconName) {}

    // Puts the fonts, glyphs, icons and pictures for the DPI on the form and its controls.
    void ApplyTo(HWND form, const ControlRow* rows, std::size_t count, UINT dpi);
    // Takes the glyphs again for the theme the user has just switched to.
    void FollowTheme(HWND form, const ControlRow* rows, std::size_t count, UINT dpi);
    // The font a control of this row is drawn in.
    HFONT FontOf(const ControlRow& row) const;
    // Shows a copy of the picture in an image control, at the DPI.
    void SetPicture(HWND form, int id, const Picture& picture, UINT dpi);

  private:
    // What an image control shows, and the icon it shows at the DPI.
    struct ShownPicture {
        int id;
        Picture picture;
        win::UniqueHicon icon;
    };
    void Show(HWND form, ShownPicture& shown, UINT dpi);
    // The glyph of every row that has one and shows it in this theme; null where it does not.
    static std::vector<win::UniqueHimagelist> LoadGlyphs(const ControlRow* rows, std::size_t count,
                                                         UINT dpi);
    void ApplyGlyphs(HWND form, const ControlRow* rows, std::vector<win::UniqueHimagelist> glyphs,
                     UINT dpi);
    void ApplyIcons(HWND form, UINT dpi);

    FormFont font_;
    const char* iconName_;
    win::UniqueHfont regular_;
    win::UniqueHfont bold_;
    std::vector<win::UniqueHimagelist> glyphs_;
    win::UniqueHicon bigIcon_;
    win::UniqueHicon smallIcon_;
    std::vector<ShownPicture> pictures_;
};

}  // namespace ui
