// What the About dialog shows, read from another thread of the test program while it is up.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "about/CAboutForm.h"
#include "tests/AppFixture.h"

namespace aboutview {

struct ControlView {
    bool visible = false;
    bool enabled = false;
    RECT rect{};
    std::string text;
};

struct AboutView {
    HWND window = nullptr;
    std::string caption;
    SIZE client{};
    ControlView image, name, version, company, copyright, memo, close, reg, contact;
    bool nameBold = false;
};

AboutView Read(HWND dialog);

// The library and an application titled "Quorvin" for the whole test program.
class AboutFixture : public QuorvinAppTest {
  protected:
    // Runs Execute while another thread reads the dialog, does what it is told, then closes it.
    AboutView Show(
        TCAboutForm& about, const std::function<void(HWND)>& whileOpen = [](HWND) {});
    static void PumpQueuedMessages();
};

}  // namespace aboutview
