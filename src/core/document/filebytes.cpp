#include "document/filebytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {

namespace {

// A descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string describe(const std::filesystem::path& path, const std::string& what)
{
    return path.string() + ": " + what;
}

// Opens a regular file for reading; -1 with `error` set for anything else. The open never
// blocks: a pipe opened without O_NONBLOCK would wait for a writer.
int openRegular(const std::filesystem::path& path, struct stat& info, std::string& error)
{
    if (path.empty()) {
        error = "no file named";
        return -1;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        error = describe(path, code == ENOENT
                                   ? std::string("no such file")
                                   : "cannot be opened: " + std::string(std::strerror(code)));
        return -1;
    }
    if (::fstat(fd, &info) != 0) {
        error = describe(path, "cannot be examined: " + std::string(std::strerror(errno)));
        ::close(fd);
        return -1;
    }
    if (S_ISDIR(info.st_mode)) {
        error = describe(path, "is a folder, not a file");
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = describe(path, "is not a regular file (a device, a pipe or a socket)");
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads from the descriptor until its end or until more than `most` bytes came, appending
// through `append`. False with `error` set on a read error.
template <class Append>
bool readUpTo(int fd, uint64_t most, uint64_t& total, Append append, std::string& error,
              const std::filesystem::path& path)
{
    char buffer[1 << 16];
    total = 0;
    while (total <= most) {
        const uint64_t wanted = std::min<uint64_t>(sizeof buffer, most + 1 - total);
        const ssize_t got = ::read(fd, buffer, static_cast<size_t>(wanted));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = describe(path, "cannot be read: " + std::string(std::strerror(errno)));
            return false;
        }
        if (got == 0)
            break;
        append(buffer, static_cast<size_t>(got));
        total += static_cast<uint64_t>(got);
    }
    return true;
}

std::string tooLarge(const std::filesystem::path& path, uint64_t size, const FileLimit& limit)
{
    return describe(path, "is " + std::to_string(size) + " bytes long, more than " + limit.what +
                              " can be (at most " + std::to_string(limit.maxBytes) + " bytes)");
}

template <class Bytes>
bool readWhole(const std::filesystem::path& path, const FileLimit& limit, Bytes& bytes,
               std::string& error)
{
    bytes.clear();
    struct stat info {};
    const Descriptor fd(openRegular(path, info, error));
    if (fd.get() < 0)
        return false;
    const auto size = static_cast<uint64_t>(info.st_size);
    if (size > limit.maxBytes) {
        error = tooLarge(path, size, limit);
        return false;
    }
    uint64_t total = 0;
    try {
        // Files of the kernel's own (under /proc) say 0 and still hold bytes: the size is
        // only a first guess, the limit is what counts.
        bytes.reserve(static_cast<size_t>(size));
        const auto append = [&bytes](const char* data, size_t count) {
            bytes.insert(bytes.end(), data, data + count);
        };
        if (!readUpTo(fd.get(), limit.maxBytes, total, append, error, path)) {
            bytes.clear();
            return false;
        }
    } catch (const std::bad_alloc&) {
        bytes = Bytes();
        error = describe(path, "there is not enough memory to read its " + std::to_string(size) +
                                   " bytes");
        return false;
    }
    if (total > limit.maxBytes) {
        bytes = Bytes();
        error = tooLarge(path, total, limit);
        return false;
    }
    return true;
}

} // namespace

bool ReadFileBytes(const std::filesystem::path& path, const FileLimit& limit,
                   std::vector<uint8_t>& bytes, std::string& error)
{
    return readWhole(path, limit, bytes, error);
}

bool ReadFileBytes(const std::filesystem::path& path, const FileLimit& limit, std::string& bytes,
                   std::string& error)
{
    return readWhole(path, limit, bytes, error);
}

bool ReadFileHead(const std::filesystem::path& path, size_t count, std::vector<uint8_t>& bytes,
                  std::string& error)
{
    bytes.clear();
    struct stat info {};
    const Descriptor fd(openRegular(path, info, error));
    if (fd.get() < 0)
        return false;
    bytes.resize(count);
    size_t total = 0;
    while (total < count) {
        const ssize_t got = ::read(fd.get(), bytes.data() + total, count - total);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = describe(path, "cannot be read: " + std::string(std::strerror(errno)));
            bytes.clear();
            return false;
        }
        if (got == 0)
            break;
        total += static_cast<size_t>(got);
    }
    bytes.resize(total);
    return true;
}

} // namespace qv
