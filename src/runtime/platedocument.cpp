#include "platedocument.h"

#include "builder/appdata.h"
#include "records/actiontext.h"
#include "records/fileplate.h"
#include "records/recordform.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace qv::runtime {

namespace {

// The extension of a plate's files as a plain name; "txt" when it is none.
QString plainExtension(const std::string& extension)
{
    QString plain;
    for (const QChar c : QString::fromStdString(extension)) {
        if (c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-'))
            plain += c;
    }
    return plain.isEmpty() ? QStringLiteral("txt") : plain.toLower();
}

} // namespace

QString FillFromRecord(const QString& text, const AppData& data, const RecordForm& form,
                       const QString& appFolder, bool escapeMarkup)
{
    const PlateValue value = [&](char letter, int index, std::string& out) {
        switch (letter) {
        case 'F':
            if (index < 1 || index > form.fieldCount())
                return false;
            out = form.value({InputKind::Field, index});
            return true;
        case 'C':
            if (index < 1 || index > form.comboCount())
                return false;
            out = form.value({InputKind::Combo, index});
            return true;
        case 'K':
            if (index < 0 || index >= form.checkboxCount())
                return false;
            out = form.value({InputKind::Checkbox, index});
            return true;
        case 'N':
        case 'M':
            if (index < 1 || index > form.notesCount())
                return false;
            out = form.value({InputKind::Notes, index});
            return true;
        case 'P': {
            if (index < 0 || index >= static_cast<int>(data.pictures.size()))
                return false;
            const std::string& file = data.pictures[static_cast<size_t>(index)].fileName;
            out = file.empty()
                      ? std::string()
                      : QDir(appFolder).filePath(QString::fromStdString(file)).toStdString();
            return true;
        }
        default: return false;
        }
    };
    return QString::fromStdString(
        FillFilePlate(text.toStdString(), form.recordNumber(), value, escapeMarkup));
}

QString WritePlateDocument(const AppData& data, const RecordForm& form, int plate,
                           const QString& folder, const QString& appFolder, QString& error)
{
    const FilePlate& p = data.filePlates[static_cast<size_t>(plate)];
    const QString extension = plainExtension(p.extension);
    const QString filled = FillFromRecord(QString::fromStdString(p.templateText), data, form,
                                          appFolder, IsMarkupExtension(extension.toStdString()));
    if (!QDir().mkpath(folder)) {
        error = QObject::tr("%1 cannot be made").arg(folder);
        return {};
    }
    const QString path = QDir(folder).filePath(
        QStringLiteral("Record_%1.%2").arg(form.recordNumber()).arg(extension));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(filled.toUtf8()) < 0 || !file.commit()) {
        error = QObject::tr("%1 cannot be written: %2").arg(path, file.errorString());
        return {};
    }
    return path;
}

bool StartProgram(const action::RunProgram& run, QString& error)
{
    const QString name = QString::fromStdString(run.program);
    const QFileInfo file(name);
    const QString program = !QDir::isAbsolutePath(name) ? QStandardPaths::findExecutable(name)
                            : file.isFile() && file.isExecutable() ? name
                                                                   : QString();
    QStringList arguments;
    for (const std::string& argument : run.arguments)
        arguments << QString::fromStdString(argument);
    if (program.isEmpty() ||
        !QProcess::startDetached(program, arguments,
                                 QString::fromStdString(run.workingDirectory.string()))) {
        error = QObject::tr("The program %1 could not be started: it cannot be found or run.")
                    .arg(name);
        return false;
    }
    return true;
}

bool StartProgram(const QString& commandLine, const QString& workingFolder, const RecordRow& record,
                  QString& error)
{
    const ActionOutcome outcome = resolveCommandLine(
        commandLine.toStdString(), record, ActionTextContext{workingFolder.toStdString(), {}});
    if (!outcome.error.empty()) {
        error = QString::fromStdString(outcome.error);
        return false;
    }
    if (outcome.actions.empty()) {
        error = QObject::tr("No program is named for this menu entry.");
        return false;
    }
    for (const Action& action : outcome.actions) {
        if (const auto* run = std::get_if<action::RunProgram>(&action);
            run && !StartProgram(*run, error))
            return false;
    }
    return true;
}

} // namespace qv::runtime
