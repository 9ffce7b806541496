// A COM apartment for the current thread.
#include "win/ComApartment.h"

#include <windows.h>
#include <objbase.h>

#include "win/SystemLibrary.h"
#include "win/UniqueHandle.h"

namespace win {
namespace {

struct Com {
    UniqueHmodule module;
    decltype(&::CoInitializeEx) initialize = nullptr;
    decltype(&::CoUninitialize) uninitialize = nullptr;
};

// Loaded once and kept to the end of the process, as COM itself keeps it.
const Com& Ole32() {
    static const Com com = [] {
        Com c{LoadSystemLibrary(L"ole32.dll")};
        if (c.module) {
            c.initialize =
                ProcAddress<decltype(::CoInitializeEx)>(c.module.get(), "CoInitializeEx");
            c.uninitialize =
                ProcAddress<decltype(::CoUninitialize)>(c.module.get(), "CoUninitialize");
        }
        if (!c.initialize || !c.uninitialize) c.initialize = nullptr;
        return c;
    }();
    return com;
}

}  // namespace

void ComApartment::Enter() noexcept {
    if (tried_) return;
    tried_ = true;
    const Com& com = Ole32();
    initialized_ = com.initialize && SUCCEEDED(com.initialize(nullptr, COINIT_APARTMENTTHREADED));
}

ComApartment::~ComApartment() {
    if (initialized_) Ole32().uninitialize();
}

}  // namespace win
