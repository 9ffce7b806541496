// Start-up and shutdown of the library's units, in their dependency order. C++ gives no order
// for static initialisation across files, so the program body makes it explicit: one
// LibraryUnits object lives from before the application object until after it.
//
// The units with start-up work, in that order: ZDQFunctions (the code page's lead bytes),
// ZDQException (the catalogue provider), ZDQGlobalVars (the window-utility object) and
// ZDQStdApps (the presenter, unless one is installed already); the library's other units have
// none. Shutdown runs in reverse: ZDQGlobalVars frees the objects, then ZDQException.
#pragma once

class LibraryUnits {
  public:
    LibraryUnits();
    ~LibraryUnits();
    LibraryUnits(const LibraryUnits&) = delete;
    LibraryUnits& operator=(const LibraryUnits&) = delete;
};
