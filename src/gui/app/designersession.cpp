#include "app/designersession.h"

#include "designer/datestamps.h"
#include "document/languagedefaults.h"
#include "document/recentprojects.h"
#include "document/startproject.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>
#include <QLockFile>

namespace qv::gui {

namespace {

constexpr const char* kFallbackLanguage = "English";

void addMessages(QStringList& to, const std::vector<std::string>& from)
{
    for (const std::string& message : from)
        to.append(QString::fromStdString(message));
}

QStringList toStringList(const std::vector<std::string>& from)
{
    QStringList list;
    for (const std::string& text : from)
        list.append(QString::fromStdString(text));
    return list;
}

// A second copy of the designer finds the lock of the first in the program folder.
std::shared_ptr<QLockFile> lockProgramFolder(const std::filesystem::path& appFolder)
{
    auto lock = std::make_shared<QLockFile>(
        QDir(QString::fromStdString(appFolder.string())).filePath(QStringLiteral("quorvalle.lock")));
    lock->setStaleLockTime(0); // a lock is stale only when its program is gone
    return lock->tryLock(0) ? lock : nullptr;
}

// The chosen language, asking for one at the first start.
QString chooseLanguage(DesignerSession& session, const LanguageChooser& chooser)
{
    QString name = QString::fromStdString(session.ini.language);
    if (name.isEmpty() && chooser) {
        if (!session.instanceLock) {
            session.fatalError =
                QStringLiteral("Another copy of Quorvalle Developer 21 is running and no "
                               "language has been chosen yet: choose it in that copy first.");
            return {};
        }
        name = chooser(session.languageNames);
        if (!name.isEmpty())
            session.storeLanguageChoice(name);
    }
    if (name.isEmpty() || !isValidLanguageName(name.toStdString()))
        name = QString::fromUtf8(kFallbackLanguage);
    return name;
}

// The date-menu captions for today and the installed font families.
void fillPanelLists(DesignerSession& session)
{
    const QDate today = QDate::currentDate();
    const DateStampTexts stamps = dateStampTexts({today.year(), today.month(), today.day()},
                                                 QLocale::system().name().toStdString());
    for (const std::string& stamp : stamps)
        session.dateStamps.append(QString::fromStdString(stamp));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        session.fontFamilies = QFontDatabase::families();
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

void DesignerSession::storeLanguageChoice(const QString& name)
{
    ini.language = name.toStdString();
    std::string error;
    std::vector<std::string> warnings;
    if (!writeIniFile(files.iniFile, ini, error, warnings))
        messages.append(QString::fromStdString(error));
    addMessages(messages, warnings);
}

bool DesignerSession::loadLanguage(const QString& name, QString& error)
{
    if (!isValidLanguageName(name.toStdString())) {
        error = QStringLiteral("'%1' is not the name of a language file").arg(name);
        return false;
    }
    LanguageLoad load = LanguageTable::read(languageFile(files.appFolder, name.toStdString()));
    if (!load.table) {
        error = QString::fromStdString(load.error);
        return false;
    }
    addMessages(messages, load.warnings);
    language = std::move(*load.table);
    languageName = name;
    return true;
}

DesignerSession startDesigner(const QString& appFolder, const QString& projectPath,
                              const LanguageChooser& chooser)
{
    DesignerSession session;
    StartupOptions options;
    options.appFolderOverride = appFolder.toStdString();
    options.exeFolder = QCoreApplication::applicationDirPath().toStdString();
    session.files = prepareStartupFiles(options);
    if (!session.files.ok()) {
        session.fatalError = QString::fromStdString(session.files.fatalError);
        return session;
    }
    addMessages(session.messages, session.files.messages);
    session.files.messages.clear();
    session.instanceLock = lockProgramFolder(session.files.appFolder);

    std::vector<std::string> iconMessages;
    loadDefaultIcon(session.files, session.document.settings, iconMessages);
    addMessages(session.messages, iconMessages);

    IniLoad ini = readIniFile(session.files.iniFile);
    if (!ini.error.empty())
        session.messages.append(QString::fromStdString(ini.error));
    addMessages(session.messages, ini.warnings);
    session.ini = ini.ini;

    session.languageNames = toStringList(listLanguages(session.files.languagesFolder));
    const QString name = chooseLanguage(session, chooser);
    if (!session.fatalError.isEmpty())
        return session;
    QString error;
    if (!session.loadLanguage(name, error)) {
        session.messages.append(error);
        if (name != QString::fromUtf8(kFallbackLanguage) &&
            !session.loadLanguage(QString::fromUtf8(kFallbackLanguage), error))
            session.messages.append(error);
    }
    applyLanguageToDocument(session.document.settings, session.language,
                            session.languageName.toStdString());
    fillPanelLists(session);

    createStartTemplate(session.files, session.document);
    addMessages(session.messages, session.files.messages);
    const QString named =
        projectPath.isEmpty() ? QString() : QFileInfo(projectPath).absoluteFilePath();
    StartProject start = openStartProject(session.files, named.toStdString());
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
    if (!named.isEmpty() && start.message.empty())
        session.rememberRecent(session.document.projectPath);
    return session;
}

} // namespace qv::gui
