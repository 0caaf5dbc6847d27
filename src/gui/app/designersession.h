#pragma once

#include "document/inifile.h"
#include "document/languagetable.h"
#include "document/projectdocument.h"
#include "document/startupfiles.h"

#include <QString>
#include <QStringList>

namespace qv::gui {

// Everything start-up prepares for the designer: the program folder and its files, the
// initialisation file, the language texts and the open document.
struct DesignerSession {
    StartupFiles files;
    IniFile ini;
    LanguageTable language;
    QString languageName;
    ProjectDocument document;
    QStringList messages; // worth telling the user, one line each
    QString fatalError;   // start-up cannot go on

    // Language text n, or `fallback` when the table has none.
    QString text(int n, const char* fallback) const;
    // Remembers an opened project among the recent ones and stores the list.
    void rememberRecent(const std::string& path);
};

// Prepares folders and files, reads the initialisation file and the chosen language, and
// opens `projectPath` (or the start template when it is empty). `appFolder` overrides the
// per-user program folder when not empty.
DesignerSession startDesigner(const QString& appFolder, const QString& projectPath);

} // namespace qv::gui
