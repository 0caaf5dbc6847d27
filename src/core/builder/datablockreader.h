#pragma once

#include "builder/appdata.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace qv {

struct AppFileRead {
    bool ok = false;
    std::string message; // one line: file, what is wrong, byte offset
    AppData data;
    int64_t runtimeLength = 0;   // N: the block starts at this 1-based position
    int64_t blockLength = 0;     // the trailer's value
    bool hasFieldExtras = false; // the block carries the field formulas and default texts
    // What was read but not as stored: positions and sizes that were no numbers.
    std::vector<std::string> warnings;
};

// Reads the data block of a built application's executable: the trailer first, then the
// block from the position it gives. A file without a valid trailer or with a damaged block
// gives a message and no data. A position or size that is not a number is set to a usable
// value with a warning, as the project reader does.
AppFileRead ReadAppFile(std::span<const uint8_t> file, const std::string& fileName);
AppFileRead ReadAppFile(const std::filesystem::path& path);

} // namespace qv
