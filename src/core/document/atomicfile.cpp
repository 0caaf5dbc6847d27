#include "document/atomicfile.h"

#include <cerrno>
#include <cstdlib>
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

// Where the bytes go: the path itself, or the regular file a link names. Only a regular file
// is replaced; whatever else is at the path (a device, a pipe, a folder, a link that leads
// nowhere) is refused, since a rename over it would put a plain file in its place.
bool resolveTarget(const std::filesystem::path& path, std::filesystem::path& target,
                   struct stat& existing, bool& exists, std::string& error)
{
    target = path;
    exists = false;
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) {
        if (errno == ENOENT)
            return true;
        error = "cannot write '" + path.string() + "': " + describeErrno(errno);
        return false;
    }
    if (S_ISLNK(link.st_mode)) {
        if (::stat(path.c_str(), &existing) != 0) {
            error = "cannot write '" + path.string() +
                    "': it is a link to a file that does not exist (" + describeErrno(errno) + ")";
            return false;
        }
        if (!S_ISREG(existing.st_mode)) {
            error = "cannot write '" + path.string() +
                    "': it is a link to something that is not "
                    "a regular file";
            return false;
        }
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (resolved == nullptr) {
            error = "cannot follow the link '" + path.string() + "': " + describeErrno(errno);
            return false;
        }
        target = resolved;
        std::free(resolved);
        exists = true;
        return true;
    }
    if (S_ISDIR(link.st_mode)) {
        error = "cannot write '" + path.string() + "': it is a folder";
        return false;
    }
    if (!S_ISREG(link.st_mode)) {
        error = "cannot write '" + path.string() +
                "': it is not a regular file (a device, a pipe or a socket)";
        return false;
    }
    existing = link;
    exists = true;
    return true;
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string& error)
{
    std::filesystem::path target;
    struct stat existing {};
    bool exists = false;
    if (!resolveTarget(path, target, existing, exists, error))
        return false;

    mode_t mode = 0;
    if (exists) {
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
    // The replaced file keeps its owner where this process may give it; a user cannot
    // hand a file to another, and then the new file stays the user's.
    if (ok && exists && (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())) {
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            [[maybe_unused]] const int ignored =
                ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
        }
    }
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
