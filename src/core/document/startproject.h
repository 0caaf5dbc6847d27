#pragma once

#include "document/projectfile.h"
#include "document/startupfiles.h"

#include <string>
#include <vector>

namespace qv {

// Start-up step 1: the application icon of new projects is the content of
// "Icons/Default.ico". When the file is missing or unreadable the icon stays empty (the
// builder then takes the program's default icon) and a message says why.
void loadDefaultIcon(const StartupFiles& files, AppSettings& settings,
                     std::vector<std::string>& messages);

// Start-up step 8: when the program folder has no start template "Default.baf" yet, the
// current document (which by now carries the icon and the language's texts) is saved as
// one, so that every New Project starts from it. Sets files.defaultProjectCreated; a
// failure is added to files.messages.
void createStartTemplate(StartupFiles& files, const ProjectDocument& current);

// Opens the project named on the command line, or the start template when none is named.
// A named project that cannot be read is reported and the start template opened instead,
// so the program always starts with a document.
struct StartProject {
    ProjectReadResult read;
    std::string message; // why the named project was not opened; empty when it was
    // What was wrong with the named project (NotAProject: the language table's message
    // 229 belongs before the message).
    ProjectReadError namedError = ProjectReadError::None;
};
StartProject openStartProject(const StartupFiles& files, const std::string& commandLinePath);

} // namespace qv
