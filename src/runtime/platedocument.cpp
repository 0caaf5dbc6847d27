#include "platedocument.h"

#include "builder/appdata.h"
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

bool StartProgram(const QString& commandLine, const QString& workingFolder, QString& error)
{
    const QStringList parts = QProcess::splitCommand(commandLine);
    if (parts.isEmpty()) {
        error = QObject::tr("No program is named for this menu entry.");
        return false;
    }
    const QString program = parts.front();
    const bool named = program.contains(QLatin1Char('/'));
    if ((named && !QFileInfo(QDir(workingFolder), program).isExecutable()) ||
        (!named && QStandardPaths::findExecutable(program).isEmpty())) {
        error = QObject::tr("The program %1 could not be started: it cannot be found or run.")
                    .arg(program);
        return false;
    }
    QProcess process;
    process.setProgram(program);
    process.setArguments(parts.mid(1));
    process.setWorkingDirectory(workingFolder);
    if (!process.startDetached()) {
        error = QObject::tr("The program %1 could not be started: %2")
                    .arg(parts.front(), process.errorString());
        return false;
    }
    return true;
}

} // namespace qv::runtime
