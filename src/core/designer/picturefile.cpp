#include "designer/picturefile.h"

#include "document/filebytes.h"

#include <filesystem>
#include <system_error>

namespace qv {

PictureFile readPictureFile(const std::string& path)
{
    PictureFile file;
    if (path.empty())
        return file;
    // A plain name would be looked for in the current folder, which the user never chose:
    // it names no file here (a path from another system, for one).
    if (!std::filesystem::path(path).is_absolute())
        return file;
    std::error_code ec;
    if (std::filesystem::status(path, ec).type() == std::filesystem::file_type::not_found)
        return file;
    auto bytes = std::make_shared<std::vector<uint8_t>>();
    if (!ReadFileBytes(path, filelimit::kPicture, *bytes, file.message)) {
        file.status = PictureFile::Status::Refused;
        return file;
    }
    file.status = PictureFile::Status::Loaded;
    file.bytes = std::move(bytes);
    return file;
}

} // namespace qv
