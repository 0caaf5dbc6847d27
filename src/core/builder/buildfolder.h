#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The output folder of one build, replaced as a whole. The new files are written into a
// folder of their own first; only when every one of them is written are they moved in,
// after the files of the earlier build have been moved aside, so that a build that fails
// (a full disk, a folder the user may not write) leaves the earlier build as it was.
//
// Every build leaves a list of the files it made (".quorvalle-build"). Only a folder that
// holds such a list, or nothing at all, takes a build; of its files, only those on the
// list or of the names the new build makes are replaced. Whatever else the user put there
// is kept and reported.
class BuildFolder {
public:
    static constexpr const char* kListName = ".quorvalle-build";

    // `folder` is the output folder, parentFolder / application name.
    explicit BuildFolder(std::filesystem::path folder);
    ~BuildFolder(); // an uncommitted build is removed
    BuildFolder(const BuildFolder&) = delete;
    BuildFolder& operator=(const BuildFolder&) = delete;

    // Checks that the folder may take a build and makes the folder the new files go to.
    // False with `error` set (a folder of the user's, a read-only folder) when it may not;
    // nothing has been written then.
    bool begin(std::string& error);

    // Writes one file of the new build; `name` is relative to the output folder.
    bool write(const std::filesystem::path& name, const void* data, size_t size,
               std::string& error);
    // Counts a file that a later step makes in the output folder (the installer) as one of
    // the build's, so that the next build replaces it.
    void claim(const std::filesystem::path& name);
    // Gives the new build's files executable permission bits.
    void makeExecutable(const std::filesystem::path& name);

    // Moves the new build in: the files of the earlier build go first, then the new ones
    // take their place. On failure everything is put back as it was. `kept` receives the
    // names of the files in the folder that no build made.
    bool commit(std::vector<std::string>& kept, std::string& error);

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path stagedPath(const std::filesystem::path& name) const;
    std::set<std::filesystem::path> earlierFiles() const;
    std::vector<std::string> filesNotOfABuild() const;
    void removeStaging();

    std::filesystem::path folder_;
    std::filesystem::path staging_; // where the new files are written
    bool folderExists_ = false;
    bool committed_ = false;
    std::set<std::filesystem::path> files_; // the new build's files, relative
};

// The names a build's list holds, one a line: only those that stay inside the folder (no
// absolute path, no "." or "..", none of the build's own work folders). The list lies in
// a folder anyone may have written to.
std::set<std::filesystem::path> ParseBuildList(std::string_view text);

// "the folder X is read-only" for the errors that mean so, else "X: <reason>".
std::string FolderWriteError(const std::filesystem::path& folder, int code);

} // namespace qv
