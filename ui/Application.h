// The application object: title, icon, the hidden owner window, the forms, the message loop
// and the standard error box.
#pragma once

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "ui/Window.h"
#include "win/UniqueHandle.h"

namespace ui {

class Form;

// What an application is made with: the whole of its set-up.
struct ApplicationSetup {
    // Captions every box shown without a caption. It names the hidden owner window too, which
    // has no taskbar entry: the main form has the program's.
    const char* title;
    // The icon resource that stands for the program; the forms name it in their layouts.
    const char* iconName;
    // What the standard error box says of an error that carries no message for a user.
    const char* unknownErrorText;
};

class Application {
  public:
    // Ready for use once made: its hidden owner window exists and the window layer's errors go
    // to its error box. Throws when another application exists or the window cannot be made.
    explicit Application(const ApplicationSetup& setup);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one instance of the process; it exists from the program body's start to its end.
    // Current() throws when there is none; Find() answers nullptr, for code that must not throw.
    static Application& Current();
    static Application* Find() noexcept;

    const std::string& Title() const { return title_; }
    // The icon resource, for a window that loads it at its own DPI.
    const char* IconName() const { return iconName_.c_str(); }
    // Hidden top-level window: owner of the message boxes shown and the clipboard opened.
    HWND Handle() const;

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
    Form* MainForm() const { return mainForm_; }

    // Shows the main form and pumps messages until it has closed.
    void Run();

    // Modal message box owned by the hidden window; the program's other windows are disabled
    // while it is open and the active window and focus come back afterwards.
    int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);

    // The standard error box for an exception that escaped an event handler.
    void ShowException(const std::exception& e);
    // Reports the exception being handled; for use inside a catch block only. A broken
    // invariant (a std::logic_error, the window layer's own errors among them) and anything
    // that is no std::exception show the text for an unknown error: their messages, if any,
    // are not for users.
    void HandleException() noexcept;

  private:
    class OwnerWindow;

    // The window layer's error sink while an application exists: HandleException of the
    // application of the process.
    static void ReportEscaped() noexcept;

    template <typename F>
    F* Create(bool mayBeMain) {
        auto form = std::make_unique<F>();
        F* raw = form.get();
        Adopt(std::move(form), mayBeMain);
        return raw;
    }
    void Adopt(std::unique_ptr<Form> form, bool mayBeMain);
    void ShowUnknownError() noexcept;
    void DestroyForm(Form* form) noexcept;
    void DestroyForms() noexcept;

    std::string title_;
    std::string unknownErrorText_;
    std::string iconName_;
    // The owner window's class icon; the owner window, made after it, goes first.
    win::UniqueHicon icon_;
    std::unique_ptr<OwnerWindow> window_;
    std::vector<std::unique_ptr<Form>> forms_;
    Form* mainForm_ = nullptr;
};

// The standard error box's text: a full stop follows a message whose last character sorts
// after ".".
std::string ErrorBoxText(const std::string& message);

}  // namespace ui
