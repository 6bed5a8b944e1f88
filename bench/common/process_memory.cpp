#include "common/process_memory.h"

#include <fstream>
#include <sstream>
#include <string>

double PeakResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) != 0) continue;
        std::istringstream fields(line.substr(6));
        double kilobytes = 0;
        fields >> kilobytes;
        return kilobytes / 1024.0;
    }
    return 0;
}
