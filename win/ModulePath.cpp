// The path of a module's file.
#include "win/ModulePath.h"

#include <vector>

namespace win {

std::string ModulePath(HMODULE module) {
    // In the system's code page, not Shift-JIS: the path goes to the A forms of the version
    // functions, which read it with that code page. It can be longer than MAX_PATH; the system
    // says so by filling the buffer to the end.
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

}  // namespace win
