// The stand-in for the comparison program in the Windows tests: writes each
// argument it received, as Windows-1252 text ended by a NUL, to arguments.out
// beside itself. What it writes is what the runtime made of the command line.
#include "text/cp1252.h"

#include <filesystem>
#include <fstream>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const std::filesystem::path folder = std::filesystem::path(argv[0]).parent_path();
    std::string received;
    for (int i = 1; i < argc; ++i) {
        std::string word;
        WideToCp1252(argv[i], word);
        received += word;
        received += '\0';
    }
    std::ofstream(folder / "arguments.out.part", std::ios::binary) << received;
    std::filesystem::rename(folder / "arguments.out.part", folder / "arguments.out");
    return 0;
}
