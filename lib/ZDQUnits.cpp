// Start-up and shutdown of the library's units.
#include "lib/ZDQUnits.h"

#include "lib/ZDQException.h"
#include "lib/ZDQFunctions.h"
#include "lib/ZDQGlobalVars.h"
#include "lib/ZDQStdApps.h"

LibraryUnits::LibraryUnits() {
    TLeadByteSet::Process();  // ZDQFunctions: the lead bytes are fixed once at start
    InitializeZDQException();
    InitializeZDQGlobalVars();
    InitializeZDQStdApps();
}

// ZDQStdApps has nothing to stop: the presenter is ZDQGlobalVars' to free.
LibraryUnits::~LibraryUnits() {
    FinalizeZDQGlobalVars();
    FinalizeZDQException();
}
