#include "builder/buildfolder.h"

#include "document/filebytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {

namespace fs = std::filesystem;

namespace {

// Folders of this class's own inside or beside an output folder.
constexpr const char* kStagingPrefix = ".quorvalle-new-";
constexpr const char* kBackupPrefix = ".quorvalle-old-";

bool ownWorkFolder(const std::string& name)
{
    return name.starts_with(kStagingPrefix) || name.starts_with(kBackupPrefix);
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A name from a build's list that stays inside the folder: relative, no "." or "..".
bool safeListedName(const fs::path& name)
{
    if (name.empty() || name.is_absolute())
        return false;
    for (const fs::path& part : name) {
        const std::string text = part.string();
        if (text.empty() || text == "." || text == ".." || ownWorkFolder(text))
            return false;
    }
    return true;
}

bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// A new folder for the build's files, beside `near`; empty with `code` set on failure.
fs::path makeWorkFolder(const fs::path& in, const std::string& prefix, int& code)
{
    std::string pattern = (in / (prefix + "XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        code = errno;
        return {};
    }
    return fs::path(pattern);
}

} // namespace

std::set<fs::path> ParseBuildList(std::string_view text)
{
    std::set<fs::path> names;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const fs::path name = fs::path(line).lexically_normal();
        if (safeListedName(name) && line.find('\0') == std::string_view::npos)
            names.insert(name);
        start = end + 1;
    }
    return names;
}

std::string FolderWriteError(const fs::path& folder, int code)
{
    if (code == EROFS || code == EACCES || code == EPERM)
        return "the folder " + folder.string() + " is read-only (" + std::strerror(code) +
               "); choose a folder you may write in";
    return "the folder " + folder.string() + " cannot be written: " + std::strerror(code);
}

BuildFolder::BuildFolder(fs::path folder) : folder_(std::move(folder)) {}

BuildFolder::~BuildFolder()
{
    if (!committed_)
        removeStaging();
}

void BuildFolder::removeStaging()
{
    if (staging_.empty())
        return;
    std::error_code ignored;
    fs::remove_all(staging_, ignored);
    staging_.clear();
}

bool BuildFolder::begin(std::string& error)
{
    std::error_code ec;
    fs::path parent = folder_.parent_path();
    if (parent.empty())
        parent = ".";
    if (!fs::is_directory(parent, ec)) {
        fs::create_directories(parent, ec);
        if (ec) {
            error = FolderWriteError(parent, ec.value());
            return false;
        }
    }
    const fs::file_status status = fs::status(folder_, ec);
    folderExists_ = fs::exists(status);
    if (folderExists_ && !fs::is_directory(status)) {
        error = folder_.string() + " is a file, not a folder; choose another application name";
        return false;
    }
    if (folderExists_ && !fs::exists(folder_ / kListName, ec)) {
        for (const auto& entry : fs::directory_iterator(folder_, ec)) {
            if (!ownWorkFolder(entry.path().filename().string())) {
                error = folder_.string() +
                        " already holds files that are not an application built here; "
                        "choose another application name or folder";
                return false;
            }
        }
    }
    if (folderExists_) {
        // Work folders a crash left behind are this class's own.
        for (const auto& entry : fs::directory_iterator(folder_, ec)) {
            if (ownWorkFolder(entry.path().filename().string()))
                fs::remove_all(entry.path(), ec);
        }
    }
    // The new files go inside the existing folder, so that only the folder the user chose
    // must be writable, or beside a folder still to be made, which they then become.
    int code = 0;
    staging_ = folderExists_
                   ? makeWorkFolder(folder_, kStagingPrefix, code)
                   : makeWorkFolder(parent, "." + folder_.filename().string() + "-new-", code);
    if (staging_.empty()) {
        error = FolderWriteError(folderExists_ ? folder_ : parent, code);
        return false;
    }
    ::chmod(staging_.c_str(), 0777 & ~currentUmask());
    return true;
}

fs::path BuildFolder::stagedPath(const fs::path& name) const
{
    return staging_ / name;
}

bool BuildFolder::write(const fs::path& name, const void* data, size_t size, std::string& error)
{
    const fs::path path = stagedPath(name);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    int code = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (!writeAll(fd, static_cast<const char*>(data), size))
            code = errno;
        if (::close(fd) != 0 && code == 0)
            code = errno;
    }
    if (code != 0) {
        fs::remove(path, ec);
        error = (folder_ / name).string() + " could not be written: " + std::strerror(code);
        return false;
    }
    if (name != kListName)
        files_.insert(name);
    return true;
}

void BuildFolder::claim(const fs::path& name)
{
    files_.insert(name);
}

void BuildFolder::makeExecutable(const fs::path& name)
{
    std::error_code ignored;
    const mode_t bits = 0111 & ~currentUmask();
    fs::permissions(stagedPath(name), static_cast<fs::perms>(bits), fs::perm_options::add, ignored);
}

std::set<fs::path> BuildFolder::earlierFiles() const
{
    std::set<fs::path> earlier;
    std::string list;
    std::string error;
    if (ReadFileBytes(folder_ / kListName, filelimit::kBuildList, list, error))
        earlier = ParseBuildList(list);
    // A name the new build makes is the build's, also in a list from before lists existed.
    earlier.insert(files_.begin(), files_.end());
    earlier.insert(kListName);
    std::set<fs::path> present;
    for (const fs::path& name : earlier) {
        std::error_code ec;
        const fs::file_type type = fs::symlink_status(folder_ / name, ec).type();
        if (type == fs::file_type::regular || type == fs::file_type::symlink)
            present.insert(name);
    }
    return present;
}

std::vector<std::string> BuildFolder::filesNotOfABuild() const
{
    std::set<std::string> ours{kListName};
    for (const fs::path& name : files_)
        ours.insert(name.begin()->string());
    std::vector<std::string> kept;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder_, ec)) {
        const std::string name = entry.path().filename().string();
        if (ours.count(name) == 0 && !ownWorkFolder(name))
            kept.push_back(name);
    }
    std::sort(kept.begin(), kept.end());
    return kept;
}

bool BuildFolder::commit(std::vector<std::string>& kept, std::string& error)
{
    std::string list;
    for (const fs::path& name : files_)
        list += name.generic_string() + "\n";
    if (!write(kListName, list.data(), list.size(), error))
        return false;
    // Everything written reaches the disk before the earlier build goes: one flush of the
    // file system rather than one per file, which costs a build of many pictures seconds.
    const int staged = ::open(staging_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool flushed = staged >= 0 && ::syncfs(staged) == 0;
    const int flushError = errno;
    if (staged >= 0)
        ::close(staged);
    if (!flushed) {
        error = FolderWriteError(folder_, flushError);
        return false;
    }

    if (!folderExists_) {
        if (::rename(staging_.c_str(), folder_.c_str()) != 0) {
            error = FolderWriteError(folder_.parent_path(), errno);
            return false;
        }
        staging_.clear();
        committed_ = true;
        return true;
    }

    int code = 0;
    const fs::path backup = makeWorkFolder(folder_, kBackupPrefix, code);
    if (backup.empty()) {
        error = FolderWriteError(folder_, code);
        return false;
    }
    std::vector<fs::path> movedOut;
    std::vector<fs::path> movedIn;
    auto move = [&](const fs::path& from, const fs::path& to) {
        std::error_code ec;
        fs::create_directories(to.parent_path(), ec);
        if (::rename(from.c_str(), to.c_str()) != 0) {
            code = errno;
            error = code == EROFS || code == EACCES || code == EPERM
                        ? FolderWriteError(folder_, code)
                        : to.string() + " could not be put in place: " + std::strerror(code);
            return false;
        }
        return true;
    };
    bool ok = true;
    for (const fs::path& name : earlierFiles()) {
        if (!(ok = move(folder_ / name, backup / name)))
            break;
        movedOut.push_back(name);
    }
    std::set<fs::path> incoming = files_;
    incoming.insert(kListName);
    for (const fs::path& name : incoming) {
        if (!ok)
            break;
        std::error_code ec;
        if (!fs::exists(stagedPath(name), ec))
            continue; // claimed, made later
        if (!(ok = move(stagedPath(name), folder_ / name)))
            break;
        movedIn.push_back(name);
    }
    std::error_code ec;
    if (!ok) {
        for (auto it = movedIn.rbegin(); it != movedIn.rend(); ++it)
            ::rename((folder_ / *it).c_str(), stagedPath(*it).c_str());
        for (auto it = movedOut.rbegin(); it != movedOut.rend(); ++it)
            ::rename((backup / *it).c_str(), (folder_ / *it).c_str());
        fs::remove_all(backup, ec);
        return false;
    }
    fs::remove_all(backup, ec);
    // Sub-folders of the earlier build that nothing fills now go too (only empty ones).
    for (const fs::path& name : movedOut) {
        if (name.has_parent_path())
            fs::remove(folder_ / name.parent_path(), ec);
    }
    removeStaging();
    committed_ = true;
    kept = filesNotOfABuild();
    return true;
}

} // namespace qv
