// One click, one piece of work: a handler waiting in a modal box still receives the clicks
// (a posted BM_CLICK, say) that its disabled form is sent, and they must not start it again.
// A close asked for meanwhile is only noted: the handler sees it and stops at its next step,
// and the form closes once the handler has returned.
#pragma once

#include <windows.h>

#include "ui/Window.h"

namespace ui {

class ClickGuard {
  public:
    // Runs the handler unless one is running already. The standard error box for an exception
    // that ends it is part of the same work, so it is shown here, while clicks are still
    // dropped; afterwards a noted close is posted to the form.
    template <typename Handler>
    void Run(HWND form, Handler handler) {
        if (running_) return;
        Running running(*this, form);
        RunReportingErrors(handler);
    }

    // Notes a close asked for while a handler runs; false when none runs.
    bool DeferClose();
    bool CloseRequested() const { return closeRequested_; }

  private:
    // Marks a handler as running until it has returned, then closes the form if asked to.
    class Running {
      public:
        Running(ClickGuard& guard, HWND form);
        ~Running();
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

      private:
        ClickGuard& guard_;
        HWND form_;
    };
    bool running_ = false;
    bool closeRequested_ = false;
};

}  // namespace ui
