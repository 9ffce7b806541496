// The application object: title, icon, the hidden owner window, the forms, the message loop
// and the standard error box.
#pragma once

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "ui/UniqueHandle.h"

namespace ui {

class Form;

// Posted to the application's window to destroy a released form.
constexpr UINT kReleaseForm = WM_APP + 0x100;

class Application {
  public:
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one instance of the process; it exists from the program body's start to its end.
    static Application& Current();

    void Initialize(HINSTANCE instance);

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);
    HINSTANCE Instance() const { return instance_; }
    HICON Icon() const { return icon_.get(); }
    HICON SmallIcon() const { return smallIcon_.get(); }
    // Hidden top-level window: owner of the message boxes shown and the clipboard opened.
    HWND Handle() const { return window_.get(); }

    // Creates a form owned by the application; the first one created is the main form.
    template <typename F>
    F* CreateForm() {
        return Create<F>(true);
    }
    // Creates a form owned by the application that is never the main form.
    template <typename F>
    F* CreateOwnedForm() {
        return Create<F>(false);
    }
    // Destroys an owned form once the messages already queued have been handled, so that it
    // is never destroyed inside one of its own handlers.
    void ReleaseForm(Form* form);
    void DestroyForm(Form* form) noexcept;
    Form* MainForm() const { return mainForm_; }

    // Shows the main form and pumps messages until it has closed.
    void Run();

    // Modal message box owned by the hidden window; the program's other windows are disabled
    // while it is open and the active window and focus come back afterwards.
    int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);

    // The standard error box for an exception that escaped an event handler.
    void ShowException(const std::exception& e);
    // Reports the exception being handled; for use inside a catch block only.
    void HandleException() noexcept;

  private:
    template <typename F>
    F* Create(bool mayBeMain) {
        auto form = std::make_unique<F>();
        F* raw = form.get();
        Adopt(std::move(form), mayBeMain);
        return raw;
    }
    void Adopt(std::unique_ptr<Form> form, bool mayBeMain);
    void DestroyForms() noexcept;

    HINSTANCE instance_ = nullptr;
    std::string title_;
    UniqueHicon icon_;
    UniqueHicon smallIcon_;
    UniqueHwnd window_;
    std::vector<std::unique_ptr<Form>> forms_;
    Form* mainForm_ = nullptr;
};

// The standard error box's text: a full stop follows a message whose last character sorts
// after ".".
std::string ErrorBoxText(const std::string& message);

}  // namespace ui
