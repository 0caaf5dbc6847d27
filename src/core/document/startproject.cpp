#include "document/startproject.h"

#include "document/filebytes.h"

#include <system_error>

namespace qv {

namespace fs = std::filesystem;

void loadDefaultIcon(const StartupFiles& files, AppSettings& settings,
                     std::vector<std::string>& messages)
{
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(files.defaultIcon, filelimit::kIcon, bytes, error) || bytes.empty()) {
        messages.push_back(
            "The default application icon cannot be used (" +
            (error.empty() ? "'" + files.defaultIcon.string() + "' is empty" : error) +
            "); new projects get the program's own icon");
        return;
    }
    settings.iconBytes = std::move(bytes);
    settings.iconFilePath = files.defaultIcon.filename().string();
}

void createStartTemplate(StartupFiles& files, const ProjectDocument& current)
{
    std::error_code ec;
    if (fs::symlink_status(files.defaultProject, ec).type() != fs::file_type::not_found)
        return;
    ProjectDocument copy = current; // saving renames the document; the open one keeps its name
    const ProjectWriteResult written = saveProjectFile(copy, files.defaultProject);
    if (written.ok) {
        files.defaultProjectCreated = true;
    } else {
        files.messages.push_back("Cannot create the start template '" +
                                 files.defaultProject.string() + "': " + written.message);
    }
}

StartProject openStartProject(const StartupFiles& files, const std::string& commandLinePath)
{
    ProjectReadOptions options;
    options.pictureWorkFolder = files.pictureFolder;
    StartProject start;
    if (!commandLinePath.empty()) {
        start.read = readProjectFile(commandLinePath, options);
        if (start.read.ok())
            return start;
        start.message = start.read.message;
        start.namedError = start.read.error;
    }
    start.read = readProjectFile(files.defaultProject, options);
    if (!start.read.ok()) {
        // Even the start template is unreadable: begin with an empty document named after
        // it, so that a save writes a good one.
        if (!start.message.empty())
            start.message += "\n";
        start.message += start.read.message;
        ProjectReadResult empty;
        empty.document.projectPath = files.defaultProject.string();
        start.read = std::move(empty);
    }
    return start;
}

} // namespace qv
