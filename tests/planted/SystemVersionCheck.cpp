// Takes version.dll the way the program does and asks it for the size of the version record of
// the Quorvin.exe beside it: exit code 0 when it has one, which the planted copy never says.
// It imports neither user32 nor anything else that would load version.dll for it.
#include <string>

#include "win/ModulePath.h"
#include "win/VersionLibrary.h"

int main() {
    const win::VersionFunctions& version = win::SystemVersionFunctions();
    if (!version) return 2;
    std::string quorvin = win::ModulePath();
    quorvin.replace(quorvin.find_last_of('\\') + 1, std::string::npos, "Quorvin.exe");
    DWORD unused = 0;
    return version.getFileVersionInfoSize(quorvin.c_str(), &unused) > 0 ? 0 : 1;
}
