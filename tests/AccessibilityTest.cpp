// The windows for users who need more than the ordinary look: every text in the colours of a
// contrast theme, a theme switched while a window is open followed at once, glyphs only where
// they can be seen, and a name for every control that a screen reader is told.
//
// Wine 8 keeps no high-contrast flag (SPI_SETHIGHCONTRAST fails with ERROR_INVALID_SPI_VALUE
// and SPI_GETHIGHCONTRAST always answers off): a theme here is its colours alone, and which
// glyphs a contrast theme keeps is asked of the glyphs themselves.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <algorithm>
#include <string>
#include <vector>

#include "about/ZDQGUICommonAboutForm.h"
#include "app/BrindlexMain.h"
#include "resources/ResourceIds.h"
#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/AppFixture.h"
#include "tests/support/Driver.h"
#include "ui/Controls.h"
#include "win/ComApartment.h"
#include "win/Dpi.h"
#include "win/ShiftJis.h"
#include "win/WindowClass.h"

namespace {

using AboutId = T_ZDQBaseCommonAboutForm::ControlId;

// The colours a theme gives the button face and its text. The window's own text colour is
// another, so that a text drawn in the wrong pair of the theme shows.
struct Theme {
    const char* name;
    COLORREF face, text, window, windowText;
};
const Theme kDark = {"dark", RGB(0, 0, 0), RGB(255, 255, 0), RGB(0, 0, 0), RGB(255, 255, 255)};
const Theme kLight = {"light", RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255),
                      RGB(0, 0, 128)};

// Switches the system's colours, as the control panel does: every top-level window is told,
// and programs started from now on draw in them.
void UseTheme(const Theme& theme) {
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_WINDOW, COLOR_WINDOWTEXT};
    const COLORREF colours[] = {theme.face, theme.text, theme.window, theme.windowText};
    ASSERT_TRUE(SetSysColors(4, elements, colours));
}

// The texts a form draws itself: its labels and its text box, each seen where it is visible.
std::vector<HWND> TextControls(HWND form) {
    std::vector<HWND> found;
    for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        bool label = win::IsWindowClass(c, win::kStaticClass) &&
                     (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) != SS_ICON;
        if (IsWindowVisible(c) && (label || win::IsWindowClass(c, win::kEditClass)))
            found.push_back(c);
    }
    return found;
}

// The control shows text in the theme's text colour on the theme's face.
bool InThemeColours(HWND control, const Theme& theme) {
    std::vector<COLORREF> pixels = support::ScreenPixels(support::ClientRectOnScreen(control));
    auto text = std::count(pixels.begin(), pixels.end(), theme.text);
    auto face = std::count(pixels.begin(), pixels.end(), theme.face);
    return text > 0 && face > static_cast<long>(pixels.size()) / 2;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// Every text of the form in the theme's colours, once the window has drawn them.
void ExpectThemeColours(HWND form, const Theme& theme, bool pump = false) {
    std::vector<HWND> texts = TextControls(form);
    ASSERT_FALSE(texts.empty());
    support::WaitUntil([&] {
        if (pump) Pump();
        return std::all_of(texts.begin(), texts.end(),
                           [&](HWND c) { return InThemeColours(c, theme); });
    });
    for (HWND c : texts)
        EXPECT_TRUE(InThemeColours(c, theme))
            << theme.name << ": " << support::Text(c) << " (control " << GetDlgCtrlID(c) << ")";
}

// ---- Quorvin.exe started in a theme, at the DPI this test program runs at

TEST(ContrastThemes, EveryTextOfTheProgramIsDrawnInTheThemesColours) {
    for (const Theme& theme : {kDark, kLight}) {
        UseTheme(theme);
        support::Program program;
        HWND main = program.WaitForWindow(kMainWindowClass, kMainWindowCaption);
        ASSERT_NE(main, nullptr);
        ExpectThemeColours(main, theme);

        support::Click(support::FindChild(main, win::kButtonClass, kAboutButtonCaption));
        HWND about = program.WaitForWindow(kAboutClass, kAboutCaption);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(TextControls(about).size(), 4u) << "the four labels";
        ExpectThemeColours(about, theme);

        PostMessageA(about, WM_CLOSE, 0, 0);
        support::WaitUntil([&] { return IsWindowEnabled(main) != FALSE; });
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitExit(), 0u);
    }
}

// ---- The forms in this process, whose theme this test switches while they are open

class FormsHere : public QuorvinAppTest {
  protected:
    // The About dialog with the main window's facts, shown.
    static T_ZDQGUICommonAboutForm* ShowAbout(std::vector<std::string> appendix = {}) {
        auto* dialog = app->CreateOwnedForm<T_ZDQGUICommonAboutForm>();
        TAboutSettings settings;
        settings.ProductName = "Quorvin";
        settings.ProductVersion = "1.0.0.0";
        settings.CompanyName = "Example Works";
        settings.Copyright = "(C) Example Works";
        settings.Picture.Assign(LoadIconA(nullptr, IDI_APPLICATION));
        settings.Appendix = std::move(appendix);
        settings.RegSiteButtonVisible = settings.ContactButtonVisible = true;
        settings.Width = kAboutLayoutWidth;
        dialog->ApplySettings(settings);
        dialog->Show();
        return dialog;
    }
};

using ContrastForms = FormsHere;

TEST_F(ContrastForms, FollowAThemeSwitchedWhileTheyAreOpen) {
    UseTheme(kLight);
    auto* form = app->CreateOwnedForm<TfrmQuorvinMain>();
    form->Show();
    ExpectThemeColours(form->Handle(), kLight, true);
    UseTheme(kDark);
    ExpectThemeColours(form->Handle(), kDark, true);
    app->ReleaseForm(form);
}

TEST_F(ContrastForms, TheAboutTextBoxIsInTheThemesColours) {
    for (const Theme& theme : {kDark, kLight}) {
        UseTheme(theme);
        auto* dialog = ShowAbout({"Appendix text"});
        ASSERT_TRUE(IsWindowVisible(dialog->Control(AboutId::idMemAppendix)));
        ExpectThemeColours(dialog->Handle(), theme, true);
        app->ReleaseForm(dialog);
    }
}

// A glyph drawn for the ordinary face stays in a contrast theme where its outline can be seen.
TEST(ContrastGlyphs, StayOnlyWhereTheirOutlineStandsOutFromTheFace) {
    HINSTANCE exe = GetModuleHandleA(nullptr);
    const UINT dpi = win::SystemDpi();
    for (const char* glyph :
         {QUORVIN_GLYPH_SAVE, QUORVIN_GLYPH_CLIPBOARD, QUORVIN_GLYPH_ABOUT, QUORVIN_GLYPH_EXIT})
        EXPECT_TRUE(ui::GlyphStandsOut(exe, glyph, dpi, kLight.face)) << glyph;
    // The dark blue disk and the dark red door vanish on black; the brown clipboard and the
    // light blue mark do not.
    EXPECT_FALSE(ui::GlyphStandsOut(exe, QUORVIN_GLYPH_SAVE, dpi, kDark.face));
    EXPECT_FALSE(ui::GlyphStandsOut(exe, QUORVIN_GLYPH_EXIT, dpi, kDark.face));
    EXPECT_TRUE(ui::GlyphStandsOut(exe, QUORVIN_GLYPH_CLIPBOARD, dpi, kDark.face));
    EXPECT_TRUE(ui::GlyphStandsOut(exe, QUORVIN_GLYPH_ABOUT, dpi, kDark.face));
}

// ---- What a screen reader is told. Wine answers a control's client object (OBJID_CLIENT)
// with its name; it answers no window object (OBJID_WINDOW) and calls every control a
// "client" whatever it is, so roles cannot be checked here.

using ScreenReaders = FormsHere;

std::string AccessibleName(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return "(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string found;
    if (object->get_accName(self, &name) == S_OK && name) found = win::ToShiftJis(name);
    SysFreeString(name);
    object->Release();
    return found;
}

// The names of the form's visible controls, in their order.
std::vector<std::string> ControlNames(HWND form) {
    std::vector<std::string> names;
    for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (IsWindowVisible(c)) names.push_back(AccessibleName(c));
    return names;
}

TEST_F(ScreenReaders, HearTheNameOfEveryControl) {
    win::ComApartment com;
    com.Enter();
    auto* form = app->CreateOwnedForm<TfrmQuorvinMain>();
    form->Show();
    EXPECT_EQ(ControlNames(form->Handle()),
              (std::vector<std::string>{kFirstInstruction, kSecondInstruction, "ファイルに出力(F)",
                                        "クリップボードにコピー(C)", "About..", "終了(X)"}));
    app->ReleaseForm(form);

    auto* dialog = ShowAbout();
    EXPECT_EQ(ControlNames(dialog->Handle()),
              (std::vector<std::string>{"Quorvin", "Quorvin", "1.0.0.0", "Example Works",
                                        "(C) Example Works", "閉じる(C)", "ユーザー登録ページへ(R)",
                                        "お問い合せフォームへ(T)"}));
    EXPECT_NE(SendMessageA(dialog->Control(AboutId::idImgAppIcon), STM_GETICON, 0, 0), 0)
        << "named, the picture still shows its icon";
    app->ReleaseForm(dialog);
}

}  // namespace
