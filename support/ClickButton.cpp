// Clicks a button of a running program's window, for the screenshot script:
//   ClickButton.exe <window class> <window caption> <button text>
#include <windows.h>

#include <cstdio>

#include "support/Driver.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: ClickButton <window class> <caption> <button text>\n");
        return 2;
    }
    // The window may still be building its controls when it is first found.
    HWND button = nullptr;
    driver::WaitUntil([&] {
        HWND window = FindWindowA(argv[1], argv[2]);
        button = window ? driver::FindChild(window, "Button", argv[3]) : nullptr;
        return button && IsWindowVisible(button);
    });
    if (!button) {
        std::fprintf(stderr, "no such button\n");
        return 1;
    }
    driver::Click(button);
    return 0;
}
