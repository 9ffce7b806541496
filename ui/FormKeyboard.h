// A form's keyboard as a dialog's: Enter presses the default button, or the focused push
// button, which then looks like the default one; Escape presses the cancel button; the focus
// comes back where it was when the form is activated again.
#pragma once

#include <windows.h>

#include "ui/Layout.h"

namespace ui {

class FormKeyboard {
  public:
    // Takes note of a control's default- or cancel-button role.
    void AddControl(const ControlRow& row);

    int CancelButton() const { return cancelButtonId_; }
    // What DM_GETDEFID answers.
    LRESULT DefaultButtonReply(HWND form) const;
    // The focus moved onto a push button (or off one, with nullptr).
    void MoveDefaultLook(HWND form, HWND focusedButton) const;
    void OnActivate(HWND form, bool active);

  private:
    int defaultButtonId_ = 0;
    int cancelButtonId_ = 0;
    HWND lastFocus_ = nullptr;
};

}  // namespace ui
