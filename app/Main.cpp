// The program body: start the library, build the main window, run, and shut down in reverse.
#include <windows.h>
#include <commctrl.h>

#include "app/BrindlexMain.h"
#include "lib/ZDQUnits.h"
#include "resources/ProgramSetup.h"
#include "ui/Application.h"
#include "win/SystemLibrary.h"

namespace {

int Run() {
    ui::Application application(kProgramSetup);
    try {
        application.CreateForm<TfrmQuorvinMain>();
        application.Run();
    } catch (...) {
        application.HandleException();
        return 1;
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Before any DLL is loaded: a program run from a Downloads folder must not pick up a DLL
    // that was saved next to it.
    win::RestrictDllSearch();

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    // The library's units start before the application object and stop after it is gone.
    LibraryUnits units;
    try {
        return Run();
    } catch (...) {
        // The application could not be made: there is no box to say so in.
        return 1;
    }
}
