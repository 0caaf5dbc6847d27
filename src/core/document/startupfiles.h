#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace qv {

// The process values that decide where the per-user folders go. fromProcess() reads them
// from the environment; tests fill them in directly.
struct StartupEnvironment {
    std::string xdgDataHome;          // $XDG_DATA_HOME
    std::string home;                 // $HOME
    std::filesystem::path tempFolder; // $TMPDIR, else /tmp
    unsigned userId = 0;              // the effective user

    static StartupEnvironment fromProcess();
};

// Writes an empty project to the given path; false with a message when it cannot.
using EmptyProjectWriter = std::function<bool(const std::filesystem::path&, std::string& error)>;

struct StartupOptions {
    // The program folder chosen on the command line; when empty, the per-user data folder
    // ($XDG_DATA_HOME/quorvalle or ~/.local/share/quorvalle) is used.
    std::filesystem::path appFolderOverride;
    // The folder of the running program; an installed program finds its shipped files in
    // <exeFolder>/../share/quorvalle.
    std::filesystem::path exeFolder;
    // The shipped files in the source tree, used when the program runs from the build
    // tree; empty means the folder this build was configured with.
    std::filesystem::path sourceDataFolder;
    StartupEnvironment environment = StartupEnvironment::fromProcess();
    // Creates "Default.baf" when it is missing; nothing is created when empty.
    EmptyProjectWriter writeEmptyProject;
};

// The files and folders start-up has made ready.
struct StartupFiles {
    std::filesystem::path appFolder;
    std::filesystem::path shippedData; // where the seed came from; empty when none was found
    std::filesystem::path iniFile;
    std::filesystem::path languagesFolder;
    std::filesystem::path iconsFolder;
    std::filesystem::path defaultIcon;
    std::filesystem::path examplesFolder;
    std::filesystem::path backgroundPicture; // "main.jpg" of the program folder
    std::filesystem::path defaultProject;    // the start template "Default.baf"
    std::filesystem::path pictureFolder;     // the private picture work folder

    int seededFiles = 0;     // shipped files copied into the program folder
    int removedPictures = 0; // files left in the picture work folder by an earlier run
    bool defaultProjectCreated = false;

    // Start-up cannot go on: show this and end the program.
    std::string fatalError;
    // Things that went wrong but let start-up go on, one clear line each.
    std::vector<std::string> messages;

    bool ok() const { return fatalError.empty(); }
};

// Prepares the program folder (created and seeded with the shipped files it lacks; files
// already there are never overwritten), the picture work folder (created private to the
// user and emptied of the files an earlier run left) and the start template "Default.baf"
// (created when missing). Fatal: no program folder can be found or made, or no picture
// work folder can be made.
StartupFiles prepareStartupFiles(const StartupOptions& options);

// The program folder: the override when given, else the per-user data folder; empty when
// neither $XDG_DATA_HOME (absolute) nor $HOME is set.
std::filesystem::path resolveAppFolder(const std::filesystem::path& override,
                                       const StartupEnvironment& environment);

// The shipped data folder: the installed one beside the program first, then the source
// tree's; empty when neither exists.
std::filesystem::path findShippedData(const std::filesystem::path& exeFolder,
                                      const std::filesystem::path& sourceDataFolder);

// Copies every file of `from` (sub-folders included) that `to` does not have yet; returns
// how many were copied. Problems go to `messages`.
int seedFolder(const std::filesystem::path& from, const std::filesystem::path& to,
               std::vector<std::string>& messages);

// The picture work folder under `tempFolder`: "quorvalle-PicTemp-<uid>", created with mode
// 0700. One that exists but is a link, not a folder or owned by someone else is not used;
// a new private folder with a unique name is made instead and a message says so. Returns
// an empty path, with `fatalError` set, when no folder can be made.
std::filesystem::path preparePictureFolder(const std::filesystem::path& tempFolder, unsigned userId,
                                           std::vector<std::string>& messages,
                                           std::string& fatalError);

// Deletes the files (not the sub-folders) of a folder; returns how many were deleted.
int removeFilesIn(const std::filesystem::path& folder, std::vector<std::string>& messages);

} // namespace qv
