// The one way a window's messages reach a C++ object: every kind of window of the program (the
// forms, the application's hidden window, the timer's message window) derives from Window.
#pragma once

#include <windows.h>

#include <stdexcept>

#include "win/UniqueHandle.h"

namespace ui {

// A broken invariant of the window layer: a class or window that the system refused, a glyph
// that is missing, a control that a form does not have. Its message, in English, is for
// developers; a user is never shown it: the standard error box says the program's text for an
// unknown error instead, as for every std::logic_error. What a user may read is raised as the
// library's exception family.
class WindowLayerError : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

// Where the window layer sends an exception that must not cross into the system: the
// program's standard error box. It is called inside the catch block, so it can rethrow to see
// what it has.
using ErrorSink = void (*)() noexcept;
// Installs the sink (nullptr: such exceptions are dropped).
void SetErrorSink(ErrorSink sink) noexcept;
// Hands the exception being handled to the sink; inside a catch block only.
void ReportCurrentException() noexcept;
// Runs the work; an exception that ends it goes to the sink and no further. The window layer's
// one catch: where a message returns to the system, and where work must not stop what follows.
template <typename Work>
void RunReportingErrors(Work&& work) noexcept {
    try {
        work();
    } catch (...) {
        ReportCurrentException();
    }
}

// What a window class gives every window of it; the procedure is always Window's own. Texts of
// this layer, here and below, are Shift-JIS; the windows themselves are Unicode windows.
struct WindowClass {
    const char* name;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
};

// Where a window is made: its styles, caption, place and size, and its parent or owner
// (HWND_MESSAGE for a message-only window).
struct WindowPlacement {
    DWORD exStyle;
    DWORD style;
    const char* caption;
    int left, top, width, height;
    HWND parent;
};

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const noexcept { return window_.get(); }
    // The object of a window made by this class, or nullptr for any other window.
    static Window* FromHandle(HWND hwnd) noexcept;

  protected:
    Window() = default;
    // Destroys the window if it is still there.
    virtual ~Window() = default;

    // Registers the class on first use and makes the window; this object receives its messages
    // from WM_NCCREATE on. Throws when the system refuses.
    void Create(const WindowClass& windowClass, const WindowPlacement& placement);

    // Destroys the window now; a derived class whose members the window still uses calls this
    // from its own destructor.
    void Destroy() noexcept { window_.reset(); }

    // The window's messages; the default handling is the system's.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

    win::UniqueHwnd window_;
};

}  // namespace ui
