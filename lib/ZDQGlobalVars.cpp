// The library's process-wide objects.
#include "lib/ZDQGlobalVars.h"

std::unique_ptr<TCMPObject> gMPObject;
std::unique_ptr<TWinUtility> gWinUtility;

void InitializeZDQGlobalVars() {
    gWinUtility.reset(new TWinUtility(nullptr));
}

void FinalizeZDQGlobalVars() {
    gWinUtility.reset();
    gMPObject.reset();
}
