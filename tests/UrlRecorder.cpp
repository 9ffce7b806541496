// Stands in for the browser in the About tests: records each address it is asked to open,
// one per line, in opened-addresses.txt beside itself.
#include <windows.h>

#include <fstream>
#include <string>

#include "win/ModulePath.h"

int main(int argc, char** argv) {
    std::string folder = win::ModulePath();
    folder = folder.substr(0, folder.find_last_of('\\'));
    std::ofstream log(folder + "\\opened-addresses.txt", std::ios::app | std::ios::binary);
    for (int i = 1; i < argc; ++i) log << argv[i] << "\n";
    return 0;
}
