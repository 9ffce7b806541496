// A top-level window built from a layout table: the base of every form of the program.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "ui/Layout.h"
#include "ui/UniqueHandle.h"

namespace ui {

class Form {
  public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // The form whose window this is, or nullptr for any other window.
    static Form* FromHandle(HWND hwnd);

    HWND Handle() const { return window_.get(); }
    HWND Control(int id) const { return GetDlgItem(window_.get(), id); }

    // Shows the form, centred on the screen the first time.
    void Show();
    void Hide();
    // Closes the form once the current message has been handled.
    void Close();

  protected:
    Form(const FormSpec& form, const ControlSpec* controls, std::size_t count);

    // A button was clicked (by mouse, access key, Enter or the space bar).
    virtual void OnClick(int id) { (void)id; }
    // Messages a form wants to see before the default handling; return true when handled.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void CreateControls(const ControlSpec* controls, std::size_t count);
    void OnActivate(bool active);
    void MoveDefaultLook(HWND focusedButton);

    UniqueHfont font_;
    std::vector<UniqueHimagelist> glyphs_;
    UniqueHwnd window_;
    int defaultButtonId_ = 0;
    HWND lastFocus_ = nullptr;
    bool shown_ = false;
};

}  // namespace ui
