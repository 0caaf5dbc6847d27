#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qv {

// The image a picture takes from a file when it is placed or pasted. The file is read once,
// through the whole-file reader: what the picture shows, saves and builds are these bytes,
// never the path again.
struct PictureFile {
    enum class Status {
        Loaded,  // `bytes` hold the file
        Missing, // no file there, or a path that is not a full one: the picture has no
                 // image, as when its file was deleted
        Refused, // not a file a picture can take (a folder, a device, 2 GB or more);
                 // `message` says why, naming the path
    };
    Status status = Status::Missing;
    std::shared_ptr<const std::vector<uint8_t>> bytes;
    std::string message;
};

// Reads the picture file at `path`; an empty path is Missing.
PictureFile readPictureFile(const std::string& path);

} // namespace qv
