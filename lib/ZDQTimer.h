// The library's timer: a message-loop timer of the thread that creates it, so its handler
// runs from that thread's message loop, modal loops included.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "lib/System.h"

class TCTimer : public lib::TComponent {
  public:
    using TNotifyEvent = std::function<void(lib::TObject* Sender)>;

    // Starts enabled: there is no design environment in which it would start disabled.
    explicit TCTimer(lib::TComponent* owner);
    // Always starts disabled.
    static TCTimer* CreateDisabled(lib::TComponent* owner);
    ~TCTimer() override;

    // The class of the message-only window that receives the ticks.
    static constexpr char kWindowClass[] = "TCTimerWindow";

    static lib::TClass StaticClass();
    lib::TClass ClassType() const override { return StaticClass(); }

    UINT Interval() const { return interval_; }
    void SetInterval(UINT milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    TNotifyEvent OnTimer;

  private:
    class TickWindow;

    TCTimer(lib::TComponent* owner, bool enabled);
    void Update();

    UINT interval_ = 1000;
    bool enabled_;
    std::unique_ptr<TickWindow> window_;  // message-only window that receives the ticks
};
