// Finds a window of a running Quorvin.exe for the screenshot script and prints where it is on
// the screen, as "left top width height":
//   FindQuorvinWindow.exe main     the main window
//   FindQuorvinWindow.exe about    the About dialog, opened with the main window's button
#include <windows.h>

#include <cstdio>
#include <string>

#include "resources/UserTexts.h"
#include "resources/WindowNames.h"
#include "tests/support/Driver.h"
#include "win/ShiftJis.h"
#include "win/WindowClass.h"

namespace {

// A visible top-level window of this class and caption, waited for; the caption converted
// from Shift-JIS explicitly, so that it is found on a Windows of any language.
HWND WaitForVisible(const char* className, const char* caption) {
    std::wstring wideClass = win::FromShiftJis(className), wideCaption = win::FromShiftJis(caption);
    HWND window = nullptr;
    support::WaitUntil([&] {
        window = FindWindowW(wideClass.c_str(), wideCaption.c_str());
        return window && IsWindowVisible(window);
    });
    return window;
}

}  // namespace

int main(int argc, char** argv) {
    std::string which = argc == 2 ? argv[1] : "";
    if (which != "main" && which != "about") {
        std::fprintf(stderr, "usage: FindQuorvinWindow main|about\n");
        return 2;
    }
    HWND window = WaitForVisible(kMainWindowClass, kMainWindowCaption);
    if (window && which == "about") {
        // The window may still be building its controls when it is first found.
        HWND button = nullptr;
        support::WaitUntil([&] {
            button = support::FindChild(window, win::kButtonClass, kAboutButtonCaption);
            return button && IsWindowVisible(button);
        });
        if (button) support::Click(button);
        window = button ? WaitForVisible(kAboutClass, kAboutCaption) : nullptr;
    }
    if (!window) {
        std::fprintf(stderr, "the window did not appear\n");
        return 1;
    }
    Sleep(1000);  // drawn by then
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}
