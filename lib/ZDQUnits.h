// Start-up and shutdown of the library's units, in their dependency order. C++ gives no order
// for static initialisation across files, so the program body makes it explicit: one
// LibraryUnits object lives from before the application object until after it.
//
// Start-up order: ZDQFunctions, ZDQMsg, ZDQException (the catalogue provider), the timer unit,
// ZDQClasses, WinUtils, ZDQGlobalVars (the window-utility object and the flags), ZDQStdApps
// (the presenter, unless one is installed already). Shutdown runs in reverse.
#pragma once

class LibraryUnits {
  public:
    LibraryUnits();
    ~LibraryUnits();
    LibraryUnits(const LibraryUnits&) = delete;
    LibraryUnits& operator=(const LibraryUnits&) = delete;
};
