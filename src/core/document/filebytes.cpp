#include "builder/filebytes.h"

#include <fstream>
#include <iterator>

namespace qv {

bool ReadFileBytes(const std::filesystem::path& path, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        bytes.clear();
        return false;
    }
    return true;
}

} // namespace qv
