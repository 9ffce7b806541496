// A form's keyboard as a dialog's.
#include "ui/FormKeyboard.h"

#include "win/WindowClass.h"

namespace ui {
namespace {

bool IsPushButton(HWND hwnd) {
    if (!win::IsWindowClass(hwnd, win::kButtonClass)) return false;
    LONG type = GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

void FormKeyboard::AddControl(const ControlRow& row) {
    if (row.flags & kDefaultButton) defaultButtonId_ = row.id;
    if (row.flags & kCancelButton) cancelButtonId_ = row.id;
}

LRESULT FormKeyboard::DefaultButtonReply(HWND form) const {
    HWND focus = GetFocus();
    int id = focus && IsChild(form, focus) && IsPushButton(focus) ? GetDlgCtrlID(focus)
                                                                  : defaultButtonId_;
    return id ? MAKELRESULT(id, DC_HASDEFID) : 0;
}

void FormKeyboard::MoveDefaultLook(HWND form, HWND focusedButton) const {
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsPushButton(child)) continue;
        bool isDefault =
            focusedButton ? child == focusedButton : GetDlgCtrlID(child) == defaultButtonId_;
        SendMessageA(child, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

void FormKeyboard::OnActivate(HWND form, bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(form, focus)) lastFocus_ = focus;
        return;
    }
    HWND target =
        lastFocus_ && IsWindow(lastFocus_) ? lastFocus_ : GetNextDlgTabItem(form, nullptr, FALSE);
    if (target) SetFocus(target);
}

}  // namespace ui
