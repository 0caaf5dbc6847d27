#pragma once

#include "document/inifile.h"
#include "document/languagetable.h"
#include "document/projectdocument.h"
#include "document/startupfiles.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLockFile;

namespace qv::gui {

// Everything start-up prepares for the designer: the program folder and its files, the
// initialisation file, the language texts, the lists the panel offers and the open
// document.
struct DesignerSession {
    StartupFiles files;
    IniFile ini;
    LanguageTable language;
    QString languageName;
    QStringList languageNames; // the language files, as the Language menu lists them
    QStringList dateStamps;    // today's date in the five forms of the date menus
    QStringList fontFamilies;  // the installed font families, for the font boxes
    ProjectDocument document;
    QStringList messages; // worth telling the user, one line each
    QString fatalError;   // start-up cannot go on
    // Held while the program runs: tells a second copy that this one is there.
    std::shared_ptr<QLockFile> instanceLock;

    // Language text n, or `fallback` when the table has none.
    QString text(int n, const char* fallback) const;
    // Remembers an opened project among the recent ones and stores the list.
    void rememberRecent(const std::string& path);
    // Stores the chosen language in the initialisation file (record 6).
    void storeLanguageChoice(const QString& name);
    // Reads a language file into the session; false, with `error` naming the file and the
    // line at fault, when it cannot be used (the language in force stays).
    bool loadLanguage(const QString& name, QString& error);
};

// Shows the Set Language dialog over the given language names; the chosen name, or an
// empty text when the dialog was closed without a choice.
using LanguageChooser = std::function<QString(const QStringList& names)>;

// Start-up in the order the designer follows: the default icon into the document, the
// folders, the initialisation file, the language (asking with `chooseLanguage` when none
// has been chosen yet; without a chooser the shipped English is taken), the language
// applied to the document, today's date stamps and the font list, the start template
// "Default.baf" created from that document when missing, and then `projectPath` opened
// (or the start template when it is empty). `appFolder` overrides the per-user program
// folder when not empty.
DesignerSession startDesigner(const QString& appFolder, const QString& projectPath,
                              const LanguageChooser& chooseLanguage = {});

} // namespace qv::gui
