// The window-utility object that the library keeps from start-up to shutdown.
#pragma once

#include "lib/System.h"

class TWinUtility : public lib::TComponent {
  public:
    explicit TWinUtility(lib::TComponent* owner) : TComponent(owner) {}
    static lib::TClass StaticClass();
    lib::TClass ClassType() const override { return StaticClass(); }
};
