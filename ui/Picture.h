// A picture object: holds at most one icon, copied, never shared.
#pragma once

#include <windows.h>

#include "win/UniqueHandle.h"

namespace ui {

class Picture {
  public:
    Picture() = default;
    Picture(const Picture& other) { Assign(other.Handle()); }
    Picture& operator=(const Picture& other) {
        if (this != &other) Assign(other.Handle());
        return *this;
    }

    bool Empty() const { return !icon_; }
    HICON Handle() const { return icon_.get(); }
    // Holds a copy of the icon (or nothing for null).
    void Assign(HICON icon) { icon_.reset(icon ? CopyIcon(icon) : nullptr); }
    // Holds the icon resource at the given size.
    void LoadIcon(HINSTANCE instance, const char* name, int size) {
        icon_.reset(static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, size, size, 0)));
    }

  private:
    win::UniqueHicon icon_;
};

}  // namespace ui
