// End-to-end driver: starts Quorvin.exe in its own process and works its windows from outside,
// as a user would, reading back what the user would see.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/UniqueHandle.h"

namespace support {

// Generous limits: Wine under load is slow, and the tests must not flake.
constexpr DWORD kWaitMs = 15000;

// Folder of the running test program; Quorvin.exe is built next to it.
std::string ExeDir();

// Polls until the condition holds or the time is up; says whether it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kWaitMs);

// A visible top-level window of the process with this class and exact caption bytes.
HWND WaitForWindow(DWORD pid, const std::string& className, const std::string& caption,
                   DWORD timeoutMs = kWaitMs);
// How many windows the process has: top-level (hidden ones too), message-only, and all their
// children. A count that grows over repeated work is a leak of USER objects.
std::size_t ProcessWindows(DWORD pid);
// A visible window of the system's dialog class (message boxes, common dialogs) of the process.
HWND WaitForDialog(DWORD pid, DWORD timeoutMs = kWaitMs);

enum class BoxIcon { None, Error, Warning, Information, Question, Unknown };

struct MessageBoxView {
    std::string caption;
    std::string text;
    BoxIcon icon = BoxIcon::Unknown;
    HWND owner = nullptr;
};

// What a message box shows; its icon is told apart by drawing the stock icons beside it.
MessageBoxView ReadMessageBox(HWND box);
// Presses a button of a dialog (IDOK, IDYES, ...), as a click on it would.
void Answer(HWND dialog, int id);

// The system's save dialog shown by the process.
HWND WaitForSaveDialog(DWORD pid, DWORD timeoutMs = kWaitMs);
// The file-type box of a file dialog: the filter's display text.
std::string FileTypeText(HWND fileDialog);
// Types a name into a file dialog and presses its OK button.
void EnterFileName(HWND fileDialog, const std::string& name);
// The same for a name that Shift-JIS cannot hold.
void EnterFileName(HWND fileDialog, const std::wstring& name);
// A visible dialog owned by this window, such as a file dialog's overwrite prompt.
HWND WaitForOwnedDialog(HWND owner, DWORD timeoutMs = kWaitMs);

class Program {
  public:
    // Starts Quorvin.exe from the test program's folder.
    Program();
    explicit Program(const std::string& exePath);
    // A program still running at the end of a test is ended.
    ~Program();

    DWORD Pid() const { return pid_; }
    bool Running() const;
    // Waits for the process to end; returns its exit code, or throws when it does not end.
    DWORD WaitExit(DWORD timeoutMs = kWaitMs);

    // A visible top-level window of this process with this class and exact caption bytes.
    HWND WaitForWindow(const std::string& className, const std::string& caption,
                       DWORD timeoutMs = kWaitMs) const;

  private:
    win::UniqueKernelHandle process_;
    DWORD pid_ = 0;
};

// The window's text in Shift-JIS, converted from what it holds in UTF-16 with code page 932,
// so that it reads the same whatever this process's ANSI code page.
std::string Text(HWND hwnd);
// The control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control);
SIZE ClientSize(HWND hwnd);
// The child of this class whose text is exactly this, or nullptr.
HWND FindChild(HWND parent, const std::string& className, const std::string& text);
// What the screen shows in a rectangle, row by row.
std::vector<COLORREF> ScreenPixels(const RECT& r);
// A window's client area on the screen.
RECT ClientRectOnScreen(HWND hwnd);

// The window that has the keyboard focus in the thread that owns this window.
HWND FocusOf(HWND window);

// Waits until the keyboard focus is on the window or one of its controls, as it must be before
// a key pressed for it can reach it.
bool WaitForFocusWithin(HWND window, DWORD timeoutMs = kWaitMs);

// A button click as the mouse would make it.
void Click(HWND button);
// A key press delivered to whatever has the focus in the window's thread.
void PressKey(HWND window, WORD vk);
// A key pressed with Alt held down.
void PressAltKey(HWND window, WORD vk);

}  // namespace support
