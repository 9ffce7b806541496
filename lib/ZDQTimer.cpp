// The library's timer.
#include "lib/ZDQTimer.h"

#include <stdexcept>

#include "ui/Application.h"

namespace {

constexpr char kTimerClass[] = "TCTimerWindow";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

TCTimer::TCTimer(lib::TComponent* owner) : TCTimer(owner, true) {}

TCTimer* TCTimer::CreateDisabled(lib::TComponent* owner) {
    return new TCTimer(owner, false);
}

TCTimer::TCTimer(lib::TComponent* owner, bool enabled) : TComponent(owner), enabled_(enabled) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExA(instance, kTimerClass, &existing)) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = WndProc;
        wc.hInstance = instance;
        wc.lpszClassName = kTimerClass;
        RegisterClassExA(&wc);
    }
    window_.reset(CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr));
    if (!window_) throw std::runtime_error("cannot create the timer window");
    SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Update();
}

TCTimer::~TCTimer() {
    KillTimer(window_.get(), kTimerId);
    window_.reset();
}

lib::TClass TCTimer::StaticClass() {
    return lib::ClassOf<TCTimer, lib::TComponent>("TCTimer");
}

void TCTimer::SetInterval(UINT milliseconds) {
    interval_ = milliseconds;
    Update();
}

void TCTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Update();
}

void TCTimer::Update() {
    KillTimer(window_.get(), kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(window_.get(), kTimerId, interval_, nullptr);
}

LRESULT CALLBACK TCTimer::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_TIMER) return DefWindowProcA(hwnd, msg, wParam, lParam);
    auto* timer = reinterpret_cast<TCTimer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    // No exception may cross into the system: it goes to the standard error box instead.
    try {
        if (timer && timer->OnTimer) timer->OnTimer(timer);
    } catch (...) {
        ui::Application::Current().HandleException();
    }
    return 0;
}
