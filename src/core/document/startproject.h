#pragma once

#include "document/projectfile.h"
#include "document/startupfiles.h"

#include <string>

namespace qv {

// Writes the empty document as "Default.baf" when start-up finds none.
EmptyProjectWriter emptyProjectWriter();

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
