// A program that imports version.dll statically, as Quorvin once did, and nothing that would
// load it for it: the control case of the planted-DLL test.
#include <windows.h>

int main(int, char** argv) {
    DWORD unused = 0;
    return GetFileVersionInfoSizeA(argv[0], &unused) > 0 ? 0 : 1;
}
