#include "app/designersession.h"

#include "document/startproject.h"

#include <QCoreApplication>

namespace qv::gui {

namespace {

constexpr const char* kFallbackLanguage = "English";

void addMessages(QStringList& to, const std::vector<std::string>& from)
{
    for (const std::string& message : from)
        to.append(QString::fromStdString(message));
}

} // namespace

QString DesignerSession::text(int n, const char* fallback) const
{
    const std::string& value = language.text(n);
    return value.empty() ? QString::fromUtf8(fallback) : QString::fromStdString(value);
}

void DesignerSession::rememberRecent(const std::string& path)
{
    if (!addRecentProject(ini.recentProjects, path))
        return;
    std::string error;
    std::vector<std::string> warnings;
    if (!writeIniFile(files.iniFile, ini, error, warnings))
        messages.append(QString::fromStdString(error));
    addMessages(messages, warnings);
}

DesignerSession startDesigner(const QString& appFolder, const QString& projectPath)
{
    DesignerSession session;
    StartupOptions options;
    options.appFolderOverride = appFolder.toStdString();
    options.exeFolder = QCoreApplication::applicationDirPath().toStdString();
    options.writeEmptyProject = emptyProjectWriter();
    session.files = prepareStartupFiles(options);
    if (!session.files.ok()) {
        session.fatalError = QString::fromStdString(session.files.fatalError);
        return session;
    }
    addMessages(session.messages, session.files.messages);

    IniLoad ini = readIniFile(session.files.iniFile);
    if (!ini.error.empty())
        session.messages.append(QString::fromStdString(ini.error));
    addMessages(session.messages, ini.warnings);
    session.ini = ini.ini;

    // Until the Set Language dialog exists, a first start takes the shipped English texts.
    std::string name = session.ini.language;
    if (name.empty() || !isValidLanguageName(name))
        name = kFallbackLanguage;
    LanguageLoad load = LanguageTable::read(languageFile(session.files.appFolder, name));
    if (!load.table && name != kFallbackLanguage) {
        session.messages.append(QString::fromStdString(load.error));
        name = kFallbackLanguage;
        load = LanguageTable::read(languageFile(session.files.appFolder, name));
    }
    if (load.table) {
        session.language = *load.table;
        session.languageName = QString::fromStdString(name);
    } else {
        session.messages.append(QString::fromStdString(load.error));
    }
    addMessages(session.messages, load.warnings);

    StartProject start = openStartProject(session.files, projectPath.toStdString());
    if (!start.message.empty()) {
        QString message = QString::fromStdString(start.message);
        if (start.namedError == ProjectReadError::NotAProject)
            message.prepend(
                session.text(text::NotAProjectFile, "This file is not a project file.") +
                QLatin1Char('\n'));
        session.messages.append(message);
    }
    addMessages(session.messages, start.read.warnings);
    session.document = std::move(start.read.document);
    if (!projectPath.isEmpty() && start.message.empty())
        session.rememberRecent(session.document.projectPath);
    return session;
}

} // namespace qv::gui
