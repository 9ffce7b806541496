// The library's process-wide objects and flags.
#include "lib/ZDQGlobalVars.h"

std::unique_ptr<TCMPObject> gMPObject;
std::unique_ptr<TWinUtility> gWinUtility;
bool gIsServiceApplication = false;
bool gIsConsoleApplication = false;

void InitializeZDQGlobalVars() {
    gWinUtility.reset(new TWinUtility(nullptr));
    gIsServiceApplication = false;
    gIsConsoleApplication = false;
}

void FinalizeZDQGlobalVars() {
    gWinUtility.reset();
    gMPObject.reset();
}
