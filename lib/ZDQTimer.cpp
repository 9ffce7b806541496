// The library's timer.
#include "lib/ZDQTimer.h"

#include "ui/Window.h"

namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

class TCTimer::TickWindow : public ui::Window {
  public:
    explicit TickWindow(TCTimer& timer) : timer_(timer) {
        Create(ui::WindowClass{kWindowClass}, {0, 0, "", 0, 0, 0, 0, HWND_MESSAGE});
    }
    ~TickWindow() override { KillTimer(Handle(), kTimerId); }

  protected:
    // An exception of the handler goes to the standard error box, as from any window.
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != WM_TIMER) return Window::HandleMessage(msg, wParam, lParam);
        if (timer_.OnTimer) timer_.OnTimer(&timer_);
        return 0;
    }

  private:
    TCTimer& timer_;
};

TCTimer::TCTimer(lib::TComponent* owner) : TCTimer(owner, true) {}

TCTimer* TCTimer::CreateDisabled(lib::TComponent* owner) {
    return new TCTimer(owner, false);
}

TCTimer::TCTimer(lib::TComponent* owner, bool enabled)
    : TComponent(owner), enabled_(enabled), window_(std::make_unique<TickWindow>(*this)) {
    Update();
}

TCTimer::~TCTimer() = default;

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
    KillTimer(window_->Handle(), kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(window_->Handle(), kTimerId, interval_, nullptr);
}
