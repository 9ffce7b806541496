// A top-level window built from a layout table: the base of every form of the program.
//
// The table is in 96-DPI pixels, and so is everything a form's code says about sizes and
// places; the form shows it at the DPI of the monitor it is on, and again at the new one when
// it is moved to another.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "ui/ClickGuard.h"
#include "ui/FormGeometry.h"
#include "ui/FormKeyboard.h"
#include "ui/FormLook.h"
#include "ui/Layout.h"
#include "ui/Picture.h"
#include "ui/Window.h"

namespace ui {

class Form : public Window {
  public:
    ~Form() override;

    // The form whose window this is, or nullptr for any other window.
    static Form* FromHandle(HWND hwnd) noexcept;
    // Forms take the keys of a dialog: Tab, Enter, Escape, access keys.
    static bool TakesDialogKeys(HWND hwnd);

    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

    // Shows the form centred on the screen; its show handler runs first.
    void Show();
    void Hide();
    // Shows the form modally over the thread's other windows and returns when it is closed.
    void ShowModal();
    // Closes the form once the current message has been handled (a modal one just ends).
    void Close();
    // The thread's message loop ends when the window is destroyed: the main form's rule.
    void EndMessageLoopOnDestroy() { endsMessageLoop_ = true; }

    // Whether the form was asked to close while one of its click handlers was running: the
    // handler stops at its next step, and the form closes once the handler has returned.
    bool CloseRequested() const { return clicks_.CloseRequested(); }
    // Waits about this long inside a click handler while the thread's windows keep answering,
    // with the rules of the handler's boxes: clicks are dropped, a close is noted. False when a
    // close was asked for: the handler stops there.
    bool Pause(DWORD milliseconds);

    // The DPI the form is shown at.
    UINT Dpi() const { return dpi_; }

    void SetCaption(const std::string& caption);
    // In layout pixels, as are all sizes and places below.
    SIZE ClientSize() const { return geometry_.ClientSize(); }
    // Resizes the client area; anchored controls follow the edges they are anchored to.
    void SetClientSize(int width, int height);

    std::string ControlText(int id) const;
    // Sets a control's text; an auto-sized label takes its new text's width, and an image takes
    // it as the name that screen readers say for the picture.
    void SetControlText(int id, const std::string& text);
    void SetControlVisible(int id, bool visible);
    void SetControlEnabled(int id, bool enabled);
    // Shows a copy of the picture in an image control, at the form's DPI.
    void SetControlPicture(int id, const Picture& picture);
    void MoveControl(int id, int left, int top);
    RECT ControlRect(int id) const;

  protected:
    Form(const FormLayout& layout, const ControlRow* controls, std::size_t count);

    // The form is about to become visible.
    virtual void OnShow() {}
    // A button was clicked (by mouse, access key, Enter, Escape for the cancel button). Clicks
    // on the form that arrive while a handler runs (from inside its modal boxes) are dropped.
    virtual void OnClick(int id) { (void)id; }

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    std::size_t RowIndex(int id) const;
    void CreateControls();
    // Fonts, glyphs, icons and every control's place for the DPI.
    void ScaleTo(UINT dpi);
    void PlaceControl(std::size_t row);
    void FitWindowToClient();
    // The user switched colours or the contrast theme: everything drawn anew in the new ones.
    void FollowTheme();
    void PrepareToShow();

    const ControlRow* controls_;
    std::size_t count_;
    FormGeometry geometry_;
    FormLook look_;
    FormKeyboard keyboard_;
    ClickGuard clicks_;
    UINT dpi_ = 0;
    bool endsMessageLoop_ = false;
    bool modal_ = false;
    bool modalDone_ = false;
};

}  // namespace ui
