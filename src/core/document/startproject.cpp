#include "document/startproject.h"

namespace qv {

EmptyProjectWriter emptyProjectWriter()
{
    return [](const std::filesystem::path& path, std::string& error) {
        ProjectDocument empty;
        const ProjectWriteResult written = saveProjectFile(empty, path);
        if (!written.ok)
            error = written.message;
        return written.ok;
    };
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
