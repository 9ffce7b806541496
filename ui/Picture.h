// A picture object: holds at most one icon, copied, never shared.
#pragma once

#include <windows.h>

#include <string>

#include "win/UniqueHandle.h"

namespace ui {

// The size of a program's icon (SM_CXICON) at 96 DPI.
constexpr int kStandardIconSize = 32;

// The icon resource's image nearest this size, scaled to it; empty when there is none.
win::UniqueHicon LoadIconResource(HINSTANCE instance, const char* name, int size);

class Picture {
  public:
    Picture() = default;
    Picture(const Picture& other) { *this = other; }
    Picture& operator=(const Picture& other);

    bool Empty() const { return !icon_; }
    HICON Handle() const { return icon_.get(); }
    // Holds a copy of the icon (or nothing for null).
    void Assign(HICON icon);
    // Holds the icon resource at the given size in 96-DPI pixels.
    void LoadFromResource(HINSTANCE instance, const char* name, int size);
    // The picture for a window at this DPI: a resource loaded afresh at its size there, so
    // that it stays sharp; any other icon as it is held.
    win::UniqueHicon ForDpi(UINT dpi) const;

  private:
    win::UniqueHicon icon_;
    // The resource the icon came from, if it did.
    HINSTANCE instance_ = nullptr;
    std::string name_;
    int size_ = 0;
};

}  // namespace ui
