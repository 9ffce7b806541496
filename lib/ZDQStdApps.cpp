// The presenter of ordinary GUI programs.
#include "lib/ZDQStdApps.h"

#include <cstdio>
#include <memory>

#include "lib/ZDQFunctions.h"
#include "lib/ZDQGlobalVars.h"
#include "lib/ZDQTimer.h"
#include "ui/Application.h"
#include "win/ShiftJis.h"
#include "win/WindowClass.h"

namespace {

constexpr UINT kTickMs = 1000;

// Enumeration callback that finds the open box: a dialog-class window owned by the
// application's window. It writes to gMPObject. No exception may cross into the system: a
// failure ends the search with nothing found.
BOOL CALLBACK FindMsgBoxProc(HWND hwnd, LPARAM) noexcept {
    const ui::Application* app = ui::Application::Find();
    if (!gMPObject || !app) return FALSE;
    HWND owner = GetWindow(hwnd, GW_OWNER);
    if (!owner || owner != app->Handle()) return TRUE;
    try {
        if (!win::IsWindowClass(hwnd, win::kDialogClass)) return TRUE;
    } catch (...) {
        return FALSE;
    }
    gMPObject->DialogWnd = hwnd;
    return FALSE;
}

}  // namespace

lib::TClass TCMPObject_StdApps::StaticClass() {
    return lib::ClassOf<TCMPObject_StdApps, TCMPObject>("TCMPObject_StdApps");
}

std::string TCMPObject_StdApps::GetDefaultCaption() {
    return ui::Application::Current().Title();
}

int TCMPObject_StdApps::ShowMsgBox(const std::exception& E) {
    std::unique_ptr<TCTimer> timer;
    if (TimeoutSec >= 0) {
        TickCount = 0;
        timer.reset(TCTimer::CreateDisabled(nullptr));
        timer->SetInterval(kTickMs);
        timer->OnTimer = [this](lib::TObject* sender) { TimerTick(sender); };
        timer->SetEnabled(true);
    }
    ResetScreenCursor();
    return ui::Application::Current().ShowMessageBox(E.what(), Caption, MsgBoxFlags);
}

void TCMPObject_StdApps::TimerTick(lib::TObject*) {
    if (TickCount == 0) {
        DialogWnd = nullptr;
        EnumWindows(FindMsgBoxProc, 0);
    }
    ++TickCount;
    // A box that was not found is left alone: nothing is closed, retitled or brought forward.
    if (!DialogWnd) return;
    if (static_cast<int>(TickCount) >= TimeoutSec) {
        DestroyWindow(DialogWnd);
        if (ActivateWnd) SetForegroundWindow(ActivateWnd);
    } else if (ShowCountdown) {
        char countdown[64];
        std::snprintf(countdown, sizeof countdown, " - あと %d 秒で閉じます",
                      TimeoutSec - static_cast<int>(TickCount));
        SetWindowTextW(DialogWnd, win::FromShiftJis(Caption + countdown).c_str());
    }
}

void InitializeZDQStdApps() {
    if (!gMPObject) gMPObject.reset(new TCMPObject_StdApps(nullptr));
}
