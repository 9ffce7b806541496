// The library's process-wide objects.
#pragma once

#include <memory>

#include "lib/WinUtils.h"
#include "lib/ZDQClasses.h"

// The message presenter through which every library message reaches the user; installed by
// ZDQStdApps (or by an earlier unit), freed by this unit's shutdown.
extern std::unique_ptr<TCMPObject> gMPObject;
extern std::unique_ptr<TWinUtility> gWinUtility;

void InitializeZDQGlobalVars();
void FinalizeZDQGlobalVars();
