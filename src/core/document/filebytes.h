#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace qv {

// Reads a whole regular file into `bytes`; false (and `bytes` empty) when the path names no
// regular file or it cannot be read.
bool ReadFileBytes(const std::filesystem::path& path, std::vector<uint8_t>& bytes);

} // namespace qv
