// A top-level window built from a layout table: the base of every form of the program.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "ui/Layout.h"
#include "ui/Window.h"
#include "win/UniqueHandle.h"

namespace ui {

class Form : public Window {
  public:
    ~Form() override;

    // The form whose window this is, or nullptr for any other window.
    static Form* FromHandle(HWND hwnd) noexcept;

    HWND Control(int id) const { return GetDlgItem(Handle(), id); }

    // Shows the form centred on the screen; its show handler runs first.
    void Show();
    void Hide();
    // Shows the form modally over the thread's other windows and returns when it is closed.
    void ShowModal();
    // Closes the form once the current message has been handled (a modal one just ends).
    void Close();
    // Has the application destroy the form once the queued messages are handled.
    void Release();

    // Whether the form was asked to close while one of its click handlers was running: the
    // handler stops at its next step, and the form closes once the handler has returned.
    bool CloseRequested() const { return closeRequested_; }

    void SetCaption(const std::string& caption);
    SIZE ClientSize() const;
    // Resizes the client area; anchored controls follow the edges they are anchored to.
    void SetClientSize(int width, int height);

    std::string ControlText(int id) const;
    // Sets a control's text; an auto-sized label takes its new text's width.
    void SetControlText(int id, const std::string& text);
    void SetControlVisible(int id, bool visible);
    void SetControlEnabled(int id, bool enabled);
    void MoveControl(int id, int left, int top);
    RECT ControlRect(int id) const;

  protected:
    Form(const FormLayout& layout, const ControlRow* controls, std::size_t count);

    // The form is about to become visible.
    virtual void OnShow() {}
    // A button was clicked (by mouse, access key, Enter, Escape for the cancel button). Clicks
    // on the form that arrive while a handler runs (from inside its modal boxes) are dropped.
    virtual void OnClick(int id) { (void)id; }
    // Messages a form wants to see before the default handling; return true when handled.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void CreateControls();
    void RunClick(int id);
    const ControlRow* RowOf(int id) const;
    void PrepareToShow();
    void OnActivate(bool active);
    void MoveDefaultLook(HWND focusedButton);

    const ControlRow* controls_;
    std::size_t count_;
    win::UniqueHfont font_;
    win::UniqueHfont boldFont_;
    std::vector<win::UniqueHimagelist> glyphs_;
    int defaultButtonId_ = 0;
    int cancelButtonId_ = 0;
    HWND lastFocus_ = nullptr;
    bool modal_ = false;
    bool modalDone_ = false;
    bool clickRunning_ = false;
    bool closeRequested_ = false;
};

}  // namespace ui
