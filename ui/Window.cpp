// The one window procedure of the program.
#include "ui/Window.h"

#include <string>

#include "win/ProgramInstance.h"
#include "win/ShiftJis.h"

namespace ui {
namespace {

ErrorSink gErrorSink = nullptr;

// Unicode windows: their texts and those of the controls on them are UTF-16, whatever the
// system's ANSI code page.
void Register(const WindowClass& windowClass, const std::wstring& name, HINSTANCE instance,
              WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, name.c_str(), &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = windowClass.icon;
    wc.hIconSm = windowClass.smallIcon;
    wc.hCursor = windowClass.cursor;
    wc.hbrBackground = windowClass.background;
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc))
        throw WindowLayerError(std::string("cannot register window class ") + windowClass.name);
}

}  // namespace

void SetErrorSink(ErrorSink sink) noexcept {
    gErrorSink = sink;
}

void ReportCurrentException() noexcept {
    if (gErrorSink) gErrorSink();
}

Window* Window::FromHandle(HWND hwnd) noexcept {
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Procedure))
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Window::Create(const WindowClass& windowClass, const WindowPlacement& placement) {
    HINSTANCE instance = win::ProgramInstance();
    std::wstring name = win::FromShiftJis(windowClass.name);
    Register(windowClass, name, instance, &Procedure);
    HWND hwnd = CreateWindowExW(placement.exStyle, name.c_str(),
                                win::FromShiftJis(placement.caption).c_str(), placement.style,
                                placement.left, placement.top, placement.width, placement.height,
                                placement.parent, nullptr, instance, this);
    if (!hwnd) throw WindowLayerError(std::string("cannot create window ") + windowClass.name);
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_.get(), msg, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    // Made by Create, which passes the object; a window made otherwise with this class has
    // none and gets the system's handling.
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->window_.reset(hwnd);
        }
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    // No exception may cross into the system: it goes to the standard error box instead.
    RunReportingErrors([&] { result = self->HandleMessage(msg, wParam, lParam); });
    if (msg == WM_NCDESTROY) {
        // The window is gone: the object must not destroy it again.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->window_.release();
    }
    return result;
}

}  // namespace ui
