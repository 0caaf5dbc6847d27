#include "document/atomicfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {

namespace {

std::string describeErrno(int code)
{
    return std::strerror(code);
}

bool writeAll(int fd, std::string_view bytes, int& code)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            code = errno;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string& error)
{
    std::error_code ec;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(target, ec)) {
        target = std::filesystem::weakly_canonical(target, ec);
        if (ec) {
            error = "cannot follow the link '" + path.string() + "': " + ec.message();
            return false;
        }
    }

    mode_t mode = 0;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    std::filesystem::path parent = target.parent_path();
    if (parent.empty()) {
        parent = ".";
    }
    std::string temp = (parent / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        error = "cannot write '" + target.string() +
                "': no temporary file can be made beside it: " + describeErrno(errno);
        return false;
    }

    int code = 0;
    bool ok = writeAll(fd, bytes, code);
    if (ok && ::fchmod(fd, mode) != 0) {
        ok = false;
        code = errno;
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        code = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        code = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        code = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        error = "cannot write '" + target.string() + "': " + describeErrno(code);
        return false;
    }
    return true;
}

} // namespace qv
