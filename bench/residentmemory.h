#pragma once

#include <fstream>
#include <string>

// The resident memory of this process in kilobytes, as the kernel counts it (VmRSS).
inline long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return 0;
}
