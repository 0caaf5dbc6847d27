#include "document/startupfiles.h"

#include "document/inifile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#ifndef QV_SOURCE_DATA_DIR
#define QV_SOURCE_DATA_DIR ""
#endif

namespace qv {

namespace {

namespace fs = std::filesystem;

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// Why an existing picture work folder may not be used; empty when it may.
std::string unsafeReason(const fs::path& folder, unsigned userId)
{
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
        return std::string("it cannot be examined: ") + std::strerror(errno);
    }
    if (S_ISLNK(info.st_mode)) {
        return "it is a symbolic link";
    }
    if (!S_ISDIR(info.st_mode)) {
        return "it is not a folder";
    }
    if (info.st_uid != userId) {
        return "it belongs to another user";
    }
    if ((info.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
        return std::string("others may use it and it cannot be made private: ") +
               std::strerror(errno);
    }
    return {};
}

} // namespace

StartupEnvironment StartupEnvironment::fromProcess()
{
    StartupEnvironment environment;
    environment.xdgDataHome = environmentValue("XDG_DATA_HOME");
    environment.home = environmentValue("HOME");
    const std::string tmp = environmentValue("TMPDIR");
    environment.tempFolder = tmp.empty() ? fs::path("/tmp") : fs::path(tmp);
    environment.userId = static_cast<unsigned>(::geteuid());
    return environment;
}

fs::path resolveAppFolder(const fs::path& override, const StartupEnvironment& environment)
{
    std::error_code ec;
    if (!override.empty()) {
        const fs::path absolute = fs::absolute(override, ec);
        return (ec ? override : absolute).lexically_normal();
    }
    // A relative $XDG_DATA_HOME is invalid and is ignored, as the base-directory rules say.
    const fs::path xdg(environment.xdgDataHome);
    if (!xdg.empty() && xdg.is_absolute()) {
        return (xdg / "quorvalle").lexically_normal();
    }
    if (!environment.home.empty()) {
        return (fs::path(environment.home) / ".local" / "share" / "quorvalle").lexically_normal();
    }
    return {};
}

fs::path findShippedData(const fs::path& exeFolder, const fs::path& sourceDataFolder)
{
    std::error_code ec;
    if (!exeFolder.empty()) {
        const fs::path installed = (exeFolder / ".." / "share" / "quorvalle").lexically_normal();
        if (fs::is_directory(installed, ec)) {
            return installed;
        }
    }
    if (!sourceDataFolder.empty() && fs::is_directory(sourceDataFolder, ec)) {
        return sourceDataFolder.lexically_normal();
    }
    return {};
}

int seedFolder(const fs::path& from, const fs::path& to, std::vector<std::string>& messages)
{
    int copied = 0;
    std::error_code ec;
    fs::recursive_directory_iterator it(from, ec);
    if (ec) {
        messages.push_back("Cannot read the shipped files in '" + from.string() +
                           "': " + ec.message());
        return 0;
    }
    for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            messages.push_back("Cannot read the shipped files in '" + from.string() +
                               "': " + ec.message());
            break;
        }
        const fs::path relative = it->path().lexically_relative(from);
        const fs::path target = to / relative;
        std::error_code entryError;
        // A program folder inside the shipped folder must not be copied into itself.
        if (fs::equivalent(it->path(), to, entryError)) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_directory(entryError)) {
            fs::create_directories(target, entryError);
        } else if (it->is_regular_file(entryError)) {
            // Anything already at the target, even a dangling link, belongs to the user.
            if (fs::symlink_status(target, entryError).type() != fs::file_type::not_found) {
                continue;
            }
            entryError.clear();
            fs::copy_file(it->path(), target, entryError);
            if (!entryError) {
                ++copied;
            }
        }
        if (entryError) {
            messages.push_back("Cannot copy the shipped file '" + it->path().string() + "' to '" +
                               target.string() + "': " + entryError.message());
        }
    }
    return copied;
}

fs::path preparePictureFolder(const fs::path& tempFolder, unsigned userId,
                              std::vector<std::string>& messages, std::string& fatalError)
{
    const fs::path folder = tempFolder / ("quorvalle-PicTemp-" + std::to_string(userId));
    if (::mkdir(folder.c_str(), 0700) == 0) {
        return folder;
    }
    if (errno != EEXIST) {
        fatalError =
            "Could not find '" + folder.string() + "' Directory (" + std::strerror(errno) + ")";
        return {};
    }
    const std::string reason = unsafeReason(folder, userId);
    if (reason.empty()) {
        return folder;
    }

    // Someone else holds the usual name: take a fresh private folder rather than trust it.
    std::string pattern = folder.string() + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        fatalError = "Could not find '" + folder.string() + "' Directory (" + reason +
                     ", and no other folder could be made: " + std::strerror(errno) + ")";
        return {};
    }
    messages.push_back("The picture work folder '" + folder.string() + "' is not used because " +
                       reason + "; using '" + pattern + "' instead");
    return fs::path(pattern);
}

int removeFilesIn(const fs::path& folder, std::vector<std::string>& messages)
{
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        // A link is removed itself, never followed.
        if (it->symlink_status(entryError).type() == fs::file_type::directory) {
            continue;
        }
        if (fs::remove(it->path(), entryError)) {
            ++removed;
        } else if (entryError) {
            messages.push_back("Cannot delete the old picture '" + it->path().string() +
                               "': " + entryError.message());
        }
    }
    if (ec) {
        messages.push_back("Cannot empty the picture work folder '" + folder.string() +
                           "': " + ec.message());
    }
    return removed;
}

StartupFiles prepareStartupFiles(const StartupOptions& options)
{
    StartupFiles files;
    files.appFolder = resolveAppFolder(options.appFolderOverride, options.environment);
    if (files.appFolder.empty()) {
        files.fatalError = "Cannot find a folder for the program's files: neither "
                           "XDG_DATA_HOME nor HOME is set; name one with --app-folder";
        return files;
    }
    std::error_code ec;
    fs::create_directories(files.appFolder, ec);
    if (ec || !fs::is_directory(files.appFolder, ec)) {
        files.fatalError = "Cannot create the program folder '" + files.appFolder.string() + "'" +
                           (ec ? ": " + ec.message() : std::string());
        return files;
    }

    files.iniFile = files.appFolder / IniFile::kFileName;
    files.languagesFolder = files.appFolder / "Languages";
    files.iconsFolder = files.appFolder / "Icons";
    files.defaultIcon = files.iconsFolder / "Default.ico";
    files.examplesFolder = files.appFolder / "Examples";
    files.backgroundPicture = files.appFolder / "main.jpg";
    files.defaultProject = files.appFolder / "Default.baf";

    const fs::path sourceData =
        options.sourceDataFolder.empty() ? fs::path(QV_SOURCE_DATA_DIR) : options.sourceDataFolder;
    files.shippedData = findShippedData(options.exeFolder, sourceData);
    if (files.shippedData.empty()) {
        files.messages.push_back("The program's shipped files were not found (neither beside "
                                 "the program nor in '" +
                                 sourceData.string() +
                                 "'); the program folder gets no languages or icons");
    } else {
        files.seededFiles = seedFolder(files.shippedData, files.appFolder, files.messages);
    }

    files.pictureFolder =
        preparePictureFolder(options.environment.tempFolder, options.environment.userId,
                             files.messages, files.fatalError);
    if (files.pictureFolder.empty()) {
        return files;
    }
    files.removedPictures = removeFilesIn(files.pictureFolder, files.messages);

    if (options.writeEmptyProject &&
        fs::symlink_status(files.defaultProject, ec).type() == fs::file_type::not_found) {
        std::string error;
        if (options.writeEmptyProject(files.defaultProject, error)) {
            files.defaultProjectCreated = true;
        } else {
            files.messages.push_back("Cannot create the start template '" +
                                     files.defaultProject.string() + "': " + error);
        }
    }
    return files;
}

} // namespace qv
