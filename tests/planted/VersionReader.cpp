// Reads the file version of the Quorvin.exe beside it through the library, as the About
// dialog's file mode does, and writes it to version-read.txt beside it.
#include <fstream>
#include <string>

#include "lib/ZDQFunctions.h"
#include "win/ModulePath.h"

int main() {
    std::string folder = win::ModulePath();
    folder.erase(folder.find_last_of('\\') + 1);
    std::ofstream(folder + "version-read.txt", std::ios::binary)
        << GetVersionInfo(folder + "Quorvin.exe", viFileVersion);
    return 0;
}
