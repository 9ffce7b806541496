// A picture object.
#include "ui/Picture.h"

#include "win/Dpi.h"

namespace ui {

win::UniqueHicon LoadIconResource(HINSTANCE instance, const char* name, int size) {
    return win::UniqueHicon(
        static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, size, size, 0)));
}

Picture& Picture::operator=(const Picture& other) {
    if (this == &other) return *this;
    icon_.reset(other.icon_ ? CopyIcon(other.icon_.get()) : nullptr);
    instance_ = other.instance_;
    name_ = other.name_;
    size_ = other.size_;
    return *this;
}

void Picture::Assign(HICON icon) {
    icon_.reset(icon ? CopyIcon(icon) : nullptr);
    instance_ = nullptr;
    name_.clear();
    size_ = 0;
}

void Picture::LoadFromResource(HINSTANCE instance, const char* name, int size) {
    icon_ = LoadIconResource(instance, name, size);
    instance_ = instance;
    name_ = name;
    size_ = size;
}

win::UniqueHicon Picture::ForDpi(UINT dpi) const {
    if (!icon_) return win::UniqueHicon();
    if (!name_.empty())
        if (win::UniqueHicon scaled =
                LoadIconResource(instance_, name_.c_str(), win::ScaleToDpi(size_, dpi)))
            return scaled;
    return win::UniqueHicon(CopyIcon(icon_.get()));
}

}  // namespace ui
