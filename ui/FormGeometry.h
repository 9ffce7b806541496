// Where a form's controls stand and how large its client area is, in layout pixels (96 DPI):
// the layout table's numbers, as the form's own re-layout and its anchors change them. The
// form scales them to its DPI whenever it places its windows.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "ui/Layout.h"

namespace ui {

class FormGeometry {
  public:
    FormGeometry(const FormLayout& layout, const ControlRow* rows, std::size_t count);

    SIZE ClientSize() const { return client_; }
    // Resizes the client area; anchored controls follow the edges they are anchored to.
    void SetClientSize(int width, int height);

    // The rectangle of the control in the given row of the table.
    const RECT& Rect(std::size_t row) const { return rects_[row]; }
    void Move(std::size_t row, int left, int top);

  private:
    const ControlRow* rows_;
    SIZE client_;
    std::vector<RECT> rects_;
};

}  // namespace ui
