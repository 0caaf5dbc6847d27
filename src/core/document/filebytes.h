#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace qv {

// What a whole-file read is for: named in the messages, and how large such a file may be.
// The limit is checked against the file's size before anything is read, so that a huge or
// endless file is refused without being read.
struct FileLimit {
    const char* what; // "a project file", "a picture", ...
    uint64_t maxBytes;
};

namespace filelimit {
// A project file is addressed by a 32-bit byte cursor.
inline constexpr FileLimit kProject{"a project file", 0x7FFFFFFF};
// A picture travels in a block whose length is a 32-bit signed number.
inline constexpr FileLimit kPicture{"a picture", 0x7FFFFFFF};
inline constexpr FileLimit kIcon{"an icon", 1u << 20};
inline constexpr FileLimit kRuntime{"an application runtime", 512u << 20};
// A built application: the runtime, a data block of up to 2 GB and its trailer.
inline constexpr FileLimit kApplication{"a built application", (512ull << 20) + 0x80000003ull};
inline constexpr FileLimit kLanguageFile{"a language file", 16u << 20};
inline constexpr FileLimit kForm{"a form file", 16u << 20};
inline constexpr FileLimit kBuildList{"a build's list of files", 1u << 20};
} // namespace filelimit

// Reads the whole of a regular file into `bytes`. Anything else (a folder, a device, a pipe,
// a socket) is refused before a byte is read, as is a file larger than `limit`; a pipe is
// never waited on. False, with `bytes` empty and `error` one line naming the path and what
// is wrong, when the file is refused or cannot be read.
bool ReadFileBytes(const std::filesystem::path& path, const FileLimit& limit,
                   std::vector<uint8_t>& bytes, std::string& error);
bool ReadFileBytes(const std::filesystem::path& path, const FileLimit& limit, std::string& bytes,
                   std::string& error);

// Reads at most `count` bytes from the start of a regular file, with the same refusals: a
// signature is checked before a large file is read whole, and a file of fixed records need
// not be read past the records it uses.
bool ReadFileHead(const std::filesystem::path& path, size_t count, std::vector<uint8_t>& bytes,
                  std::string& error);

} // namespace qv
