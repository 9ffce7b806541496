// The presenter of ordinary GUI programs: application-titled message boxes that can close
// themselves after a countdown.
#pragma once

#include "lib/ZDQClasses.h"

class TCMPObject_StdApps : public TCMPObject {
  public:
    explicit TCMPObject_StdApps(lib::TComponent* owner) : TCMPObject(owner) {}
    static lib::TClass StaticClass();
    lib::TClass ClassType() const override { return StaticClass(); }

    std::string GetDefaultCaption() override;
    void TimerTick(lib::TObject* Sender) override;
    int ShowMsgBox(const std::exception& E) override;
};

void InitializeZDQStdApps();
