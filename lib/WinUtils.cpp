// The window-utility object.
#include "lib/WinUtils.h"

lib::TClass TWinUtility::StaticClass() {
    return lib::ClassOf<TWinUtility, lib::TComponent>("TWinUtility");
}
