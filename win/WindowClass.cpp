// The class a window belongs to.
#include "win/WindowClass.h"

namespace win {
namespace {

// Room for the longest class name the system registers (256) and more.
constexpr int kClassNameRoom = 512;

std::string WindowClassName(HWND hwnd) {
    char name[kClassNameRoom] = {};
    int length = GetClassNameA(hwnd, name, kClassNameRoom);
    return std::string(name, length > 0 ? length : 0);
}

}  // namespace

bool IsWindowClass(HWND hwnd, const char* className) {
    return lstrcmpiA(WindowClassName(hwnd).c_str(), className) == 0;
}

}  // namespace win
