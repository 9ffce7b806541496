// Where a form's controls stand, in layout pixels.
#include "ui/FormGeometry.h"

#include <algorithm>

namespace ui {

FormGeometry::FormGeometry(const FormLayout& layout, const ControlRow* rows, std::size_t count)
    : rows_(rows), client_{layout.clientWidth, layout.clientHeight} {
    rects_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const ControlRow& row = rows[i];
        rects_.push_back(RECT{row.left, row.top, row.left + row.width, row.top + row.height});
    }
}

void FormGeometry::SetClientSize(int width, int height) {
    int dx = width - client_.cx, dy = height - client_.cy;
    for (std::size_t i = 0; i < rects_.size(); ++i) {
        unsigned flags = rows_[i].flags;
        RECT& r = rects_[i];
        if (flags & kAnchorRight) {
            if (flags & kNotAnchoredLeft) {
                r.left += dx;
                r.right += dx;
            } else {
                r.right = std::max(r.left, r.right + dx);
            }
        }
        if (flags & kAnchorBottom) r.bottom = std::max(r.top, r.bottom + dy);
    }
    client_ = SIZE{width, height};
}

void FormGeometry::Move(std::size_t row, int left, int top) {
    RECT& r = rects_[row];
    r = RECT{left, top, left + (r.right - r.left), top + (r.bottom - r.top)};
}

}  // namespace ui
