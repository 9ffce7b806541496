// The message presenter base: the state of one message box and the three operations that a
// presenter must supply.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

#include "lib/System.h"

class TCMPObject : public lib::TComponent {
  public:
    explicit TCMPObject(lib::TComponent* owner) : TComponent(owner) {}
    static lib::TClass StaticClass();
    lib::TClass ClassType() const override { return StaticClass(); }

    // Each raises ECIncompleteCode naming this presenter's class; subclasses supply them.
    virtual std::string GetDefaultCaption();
    virtual void TimerTick(lib::TObject* Sender);
    virtual int ShowMsgBox(const std::exception& E);

    UINT MsgBoxFlags = 0;
    bool ShowCountdown = false;
    std::string Caption;
    int TimeoutSec = 0;
    HWND ActivateWnd = nullptr;
    HWND DialogWnd = nullptr;
    UINT TickCount = 0;
};
