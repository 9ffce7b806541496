// The windows at the display scale this test program runs at (the prefix's LogPixels, set
// from QUORVIN_LOGPIXELS): every place and size of the 96-DPI layout scaled, and fonts,
// glyphs and icons drawn for the DPI.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "about/ZDQGUICommonAboutForm.h"
#include "app/BrindlexMain.h"
#include "resources/ResourceIds.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/Driver.h"
#include "tests/AppFixture.h"
#include "ui/Controls.h"
#include "win/Dpi.h"
#include "win/GdiGuards.h"
#include "win/WindowClass.h"

namespace {

const UINT kDpi = win::SystemDpi();

int Scaled(int value, UINT dpi = kDpi) {
    return MulDiv(value, static_cast<int>(dpi), 96);
}

// ---- Quorvin.exe started at 96 DPI and at this one, measured from outside

struct Snapshot {
    SIZE client{};
    std::map<int, RECT> controls;  // by control id
};

Snapshot Take(HWND window) {
    Snapshot s{support::ClientSize(window), {}};
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        s.controls[GetDlgCtrlID(c)] = support::RectInParent(c);
    return s;
}

// The main window and the About dialog of a Quorvin.exe started at the DPI.
std::pair<Snapshot, Snapshot> RunAt(UINT dpi) {
    DWORD value = dpi;
    RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &value,
                    sizeof value);
    support::Program program;
    HWND main = program.WaitForWindow(kMainWindowClass, kMainWindowCaption);
    if (!main) return {};
    Snapshot mainView = Take(main);
    support::Click(support::FindChild(main, win::kButtonClass, kAboutButtonCaption));
    HWND about = program.WaitForWindow(kAboutClass, kAboutCaption);
    Snapshot aboutView = about ? Take(about) : Snapshot{};
    if (about) PostMessageA(about, WM_CLOSE, 0, 0);
    support::WaitUntil([&] { return IsWindowEnabled(main) != FALSE; });
    PostMessageA(main, WM_CLOSE, 0, 0);
    program.WaitExit();
    return {mainView, aboutView};
}

void ExpectScaled(const Snapshot& at96, const Snapshot& scaled, const char* window,
                  const std::set<int>& labels = {}) {
    EXPECT_NEAR(scaled.client.cx, Scaled(at96.client.cx), 1) << window;
    EXPECT_NEAR(scaled.client.cy, Scaled(at96.client.cy), 1) << window;
    ASSERT_EQ(scaled.controls.size(), at96.controls.size()) << window;
    for (const auto& [id, r] : at96.controls) {
        const RECT& s = scaled.controls.at(id);
        EXPECT_NEAR(s.left, Scaled(r.left), 1) << window << " control " << id;
        EXPECT_NEAR(s.top, Scaled(r.top), 1) << window << " control " << id;
        EXPECT_NEAR(s.bottom, Scaled(r.bottom), 1) << window << " control " << id;
        // A label sized to its text is as wide as the text in the font at the DPI, which does
        // not grow exactly with it; that it fits is checked below.
        if (!labels.count(id)) {
            EXPECT_NEAR(s.right, Scaled(r.right), 1) << window << " control " << id;
        }
    }
}

// 168 DPI asks for 175 %, as near to 150 % as to 200 %: the larger glyph is drawn.
TEST(GlyphScales, TakeTheLargerOfTwoEquallyNear) {
    EXPECT_EQ(ui::GlyphScaleFor(168), 200);
}

TEST(ScaledWindows, EveryControlAndClientAreaIsItsPlaceAt96DpiScaled) {
    auto [main96, about96] = RunAt(96);
    auto [main, about] = RunAt(kDpi);
    ASSERT_FALSE(main96.controls.empty());
    ASSERT_FALSE(about96.controls.empty());
    ExpectScaled(main96, main, "main window");
    using Id = T_ZDQBaseCommonAboutForm::ControlId;
    ExpectScaled(
        about96, about, "About dialog",
        {Id::idLblProductName, Id::idLblProductVersion, Id::idLblCompanyName, Id::idLblCopyright});
}

// ---- The forms in this process, whose fonts, glyphs and icons can be looked at

using DrawnForTheDpi = QuorvinAppTest;

LONG FontHeight(HWND control) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font.lfHeight;
}

int IconSide(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return 0;
    win::UniqueHbitmap mask(info.hbmMask), colour(info.hbmColor);
    BITMAP bitmap{};
    GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
    return bitmap.bmWidth;
}

int GlyphSide(HWND button) {
    BUTTON_IMAGELIST images{};
    SendMessageA(button, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
    int cx = 0, cy = 0;
    ImageList_GetIconSize(images.himl, &cx, &cy);
    return cx;
}

// Every label's text fits its control, in the control's own font. A picture's text is its name
// for screen readers, which it does not draw.
void ExpectLabelsFit(HWND window) {
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!win::IsWindowClass(c, win::kStaticClass) || support::Text(c).empty() ||
            (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            continue;
        win::WindowDc dc(c);
        win::SelectedObject font(dc.get(),
                                 reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
        RECT text{0, 0, 0, 0};
        DrawTextA(dc.get(), support::Text(c).c_str(), -1, &text,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        RECT r = support::RectInParent(c);
        EXPECT_LE(text.right, r.right - r.left) << support::Text(c);
    }
}

TEST_F(DrawnForTheDpi, MainWindowHasItsFontGlyphsAndIcons) {
    auto* form = app->CreateOwnedForm<TfrmQuorvinMain>();
    HWND window = form->Handle();
    EXPECT_EQ(form->Dpi(), kDpi);
    const struct {
        const char* text;
        int side;
    } buttons[] = {{kSaveButtonCaption, 16},
                   {kCopyButtonCaption, 16},
                   {kAboutButtonCaption, 16},
                   {kExitButtonCaption, 12}};
    for (const auto& b : buttons) {
        HWND button = support::FindChild(window, win::kButtonClass, b.text);
        EXPECT_EQ(FontHeight(button), -Scaled(12)) << b.text;
        EXPECT_EQ(GlyphSide(button), Scaled(b.side)) << b.text;
    }
    EXPECT_EQ(IconSide(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0))),
              Scaled(16));
    EXPECT_EQ(IconSide(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0))),
              Scaled(32));
    ExpectLabelsFit(window);
    app->ReleaseForm(form);
}

TEST_F(DrawnForTheDpi, AboutDialogHasItsFontsAndPicture) {
    auto* dialog = app->CreateOwnedForm<T_ZDQGUICommonAboutForm>();
    TAboutSettings settings;
    settings.ProductName = "Quorvin";
    settings.CompanyName = "Quorvin Soft Co., Ltd.";
    settings.Width = kAboutLayoutWidth;
    settings.Picture.LoadFromResource(GetModuleHandleA(nullptr), QUORVIN_ABOUTICON, 32);
    dialog->ApplySettings(settings);
    dialog->Show();
    using Id = T_ZDQBaseCommonAboutForm::ControlId;
    HWND image = dialog->Control(Id::idImgAppIcon);
    EXPECT_EQ(IconSide(reinterpret_cast<HICON>(SendMessageA(image, STM_GETICON, 0, 0))),
              Scaled(32));
    EXPECT_EQ(FontHeight(dialog->Control(Id::idLblProductName)), -Scaled(12));
    EXPECT_EQ(FontHeight(dialog->Control(Id::idBtnClose)), -Scaled(12));
    ExpectLabelsFit(dialog->Handle());
    app->ReleaseForm(dialog);
}

// Moved to a monitor of another DPI: the system's frame as it suggests it, and the inside
// drawn anew for the new DPI.
TEST_F(DrawnForTheDpi, AMoveToAnotherDpiRedrawsTheForm) {
    const UINT other = kDpi == 192 ? 96 : 192;
    auto* form = app->CreateOwnedForm<TfrmQuorvinMain>();
    HWND window = form->Handle();
    RECT suggested{10, 20, 10 + Scaled(540, other), 20 + Scaled(120, other)};
    SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(other, other),
                 reinterpret_cast<LPARAM>(&suggested));

    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_TRUE(EqualRect(&frame, &suggested));
    EXPECT_EQ(form->Dpi(), other);
    HWND save = support::FindChild(window, win::kButtonClass, kSaveButtonCaption);
    RECT r = support::RectInParent(save);
    EXPECT_EQ(r.left, Scaled(6, other));
    EXPECT_EQ(r.top, Scaled(48, other));
    EXPECT_EQ(r.right, Scaled(170, other));
    EXPECT_EQ(r.bottom, Scaled(78, other));
    EXPECT_EQ(FontHeight(save), -Scaled(12, other));
    EXPECT_EQ(GlyphSide(save), Scaled(16, other));
    ExpectLabelsFit(window);
    app->ReleaseForm(form);
}

}  // namespace
