// Child controls made from layout rows.
#include "ui/Controls.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "ui/FormColours.h"
#include "ui/Window.h"
#include "win/Dpi.h"
#include "win/GdiGuards.h"
#include "win/ShiftJis.h"
#include "win/ProgramInstance.h"
#include "win/WindowClass.h"
#include "win/WindowText.h"

namespace ui {
namespace {

DWORD StyleOf(const ControlRow& row) {
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (row.tabOrder >= 0) style |= WS_TABSTOP;
    switch (row.kind) {
        case ControlKind::Label:
            return style | SS_LEFT | SS_NOPREFIX;
        case ControlKind::Button:
            // BS_NOTIFY lets the form move the default-button look with the focus.
            return style | BS_NOTIFY |
                   ((row.flags & kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        case ControlKind::Image:
            return style | SS_ICON | SS_CENTERIMAGE;
        case ControlKind::Memo:
            return style | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
    }
    return style;
}

const char* ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return win::kButtonClass;
        case ControlKind::Memo:
            return win::kEditClass;
        default:
            return win::kStaticClass;
    }
}

// Glyph pixels of this colour are not drawn.
constexpr COLORREF kGlyphTransparent = RGB(255, 0, 255);
// Room between a button's left edge and its glyph, in layout pixels.
constexpr int kGlyphMargin = 4;

}  // namespace

HWND CreateControl(HWND parent, const ControlRow& row) {
    DWORD exStyle = row.kind == ControlKind::Memo ? WS_EX_CLIENTEDGE : 0;
    HWND hwnd = CreateWindowExW(exStyle, win::FromShiftJis(ClassOf(row.kind)).c_str(),
                                win::FromShiftJis(row.text).c_str(), StyleOf(row), 0, 0, 0, 0,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                win::ProgramInstance(), nullptr);
    if (!hwnd) throw WindowLayerError(std::string("cannot create control ") + row.name);
    return hwnd;
}

void SetControlText(HWND control, ControlKind kind, const std::string& text) {
    std::wstring wide = win::FromShiftJis(text);
    // An icon's static takes a new text for the name of an icon resource to show instead of
    // its picture; the window manager's own handling keeps the text and leaves the icon be.
    if (kind == ControlKind::Image)
        DefWindowProcW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    else
        SetWindowTextW(control, wide.c_str());
}

int TextWidth(HWND label, HFONT font) {
    std::wstring text = win::WindowText(label);
    win::WindowDc dc(label);
    win::SelectedObject selected(dc.get(), font);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc.get(), text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return r.right;
}

int GlyphScaleFor(UINT dpi) {
    int wanted = static_cast<int>(dpi) * 100 / static_cast<int>(win::kDefaultDpi);
    int best = kGlyphScales[0];
    for (int scale : kGlyphScales)
        if (std::abs(scale - wanted) <= std::abs(best - wanted)) best = scale;
    return best;
}

std::string GlyphResourceName(const char* base, int scale) {
    return scale == 100 ? std::string(base) : std::string(base) + "_" + std::to_string(scale);
}

namespace {

win::UniqueHbitmap LoadGlyphBitmap(HINSTANCE instance, const std::string& name) {
    win::UniqueHbitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap) throw WindowLayerError("missing glyph " + name);
    return bitmap;
}

}  // namespace

win::UniqueHimagelist LoadGlyph(HINSTANCE instance, const char* resource, UINT dpi) {
    std::string name = GlyphResourceName(resource, GlyphScaleFor(dpi));
    win::UniqueHbitmap bitmap = LoadGlyphBitmap(instance, name);

    BITMAP info{};
    GetObjectA(bitmap.get(), sizeof info, &info);
    win::UniqueHimagelist list(
        ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0));
    if (!list || ImageList_AddMasked(list.get(), bitmap.get(), kGlyphTransparent) < 0)
        throw WindowLayerError("cannot load glyph " + name);
    return list;
}

bool GlyphStandsOut(HINSTANCE instance, const char* resource, UINT dpi, COLORREF face) {
    win::UniqueHbitmap bitmap =
        LoadGlyphBitmap(instance, GlyphResourceName(resource, GlyphScaleFor(dpi)));
    BITMAP info{};
    GetObjectA(bitmap.get(), sizeof info, &info);
    const int width = info.bmWidth, height = info.bmHeight;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<RGBQUAD> pixels(static_cast<std::size_t>(width) * height);
    win::WindowDc screen(nullptr);
    GetDIBits(screen.get(), bitmap.get(), 0, height, pixels.data(), &format, DIB_RGB_COLORS);

    auto colour = [&](int x, int y) {
        const RGBQUAD& p = pixels[static_cast<std::size_t>(y) * width + x];
        return RGB(p.rgbRed, p.rgbGreen, p.rgbBlue);
    };
    auto drawn = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && colour(x, y) != kGlyphTransparent;
    };
    int outline = 0, apart = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (!drawn(x, y) ||
                (drawn(x - 1, y) && drawn(x + 1, y) && drawn(x, y - 1) && drawn(x, y + 1)))
                continue;
            ++outline;
            if (ContrastRatio(colour(x, y), face) >= 3.0) ++apart;
        }
    return 2 * apart >= outline;
}

void SetButtonGlyph(HWND button, HIMAGELIST glyph, UINT dpi) {
    BUTTON_IMAGELIST images{};
    images.himl = glyph;
    images.margin = RECT{win::ScaleToDpi(kGlyphMargin, dpi), 0, 0, 0};
    images.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    SendMessageA(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
}

}  // namespace ui
