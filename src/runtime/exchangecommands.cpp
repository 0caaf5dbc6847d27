// Export and Import: the records as exchange (CSV) files with the design's delimiter and
// extension, in the export order of the fields.
#include "runtimewindow.h"

#include "recordsession.h"
#include "storerecordset.h"

#include "builder/recordfiles.h"
#include "records/csvexport.h"
#include "records/csvimport.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <filesystem>

namespace qv::runtime {

namespace {

constexpr size_t kRejectedShown = 20;

CsvFormat formatOf(const AppData& data)
{
    return CsvFormat::fromDesign(data.csvDelimiter, data.exportExtension);
}

QString filterOf(const CsvFormat& format)
{
    return QObject::tr("Exchange files (*.%1);;All files (*)")
        .arg(QString::fromStdString(format.extension));
}

std::filesystem::path pathOf(const QString& path)
{
    return std::filesystem::path(path.toStdString());
}

// True when `path` names the records file or one of the files SQLite keeps beside it.
bool isRecordsFile(const QString& path, const QString& records)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    for (const QString& suffix :
         {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")}) {
        const QFileInfo file(records + suffix);
        if (target == file.absoluteFilePath() ||
            (file.exists() && QFileInfo(path).canonicalFilePath() == file.canonicalFilePath()))
            return true;
    }
    return false;
}

} // namespace

void RuntimeWindow::exportRecords()
{
    if (!haveRecords() || !session_->saveNow())
        return;
    exportFound(session_->cursor().order());
}

void RuntimeWindow::exportFound(const std::vector<int64_t>& ids)
{
    const CsvFormat format = formatOf(data_);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        QDir(folder).filePath(QString::fromStdString(format.fileName(AppNameOf(data_, "Records"))));
    QString path = dialogs_.saveFile(tr("Export"), suggested, filterOf(format));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QString::fromStdString(format.extension);
    const QString error = exportTo(path, ids);
    if (!error.isEmpty())
        warn(error);
}

QString RuntimeWindow::exportTo(const QString& path, const std::vector<int64_t>& ids)
{
    if (!store_)
        return notice().isEmpty() ? tr("There are no records to export.") : notice();
    // The exchange files may share the extension of the records file.
    if (isRecordsFile(path, store_->location()))
        return tr("%1 is the file the records are kept in; the export needs another name.")
            .arg(path);
    const StoreRecordSet records(*store_, schema_, ids);
    const CsvExport written =
        exportCsvFile(pathOf(path), records, schema_.columns(), formatOf(data_));
    if (!written.ok)
        return QString::fromStdString(written.message);
    showNotice(written.records == 1
                   ? tr("1 record was written to %1.").arg(path)
                   : tr("%1 records were written to %2.")
                         .arg(QLocale().toString(qulonglong(written.records)), path));
    return {};
}

void RuntimeWindow::importRecords()
{
    if (!haveRecords() || !session_->saveNow())
        return;
    const CsvFormat format = formatOf(data_);
    const QString path = dialogs_.openFile(
        tr("Import"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        filterOf(format));
    if (!path.isEmpty())
        importFrom(path);
}

bool RuntimeWindow::importFrom(const QString& path)
{
    if (!haveRecords())
        return false;
    if (readOnly_) {
        warn(tr("The records are read-only: nothing can be imported."));
        return false;
    }
    const CsvImport read = importCsvFile(pathOf(path), schema_.columns(), formatOf(data_),
                                         {locale_, data_.defaultCharset});
    if (!read.ok) {
        QStringList lines{QString::fromStdString(read.message)};
        for (size_t i = 0; i < std::min(read.rejected.size(), kRejectedShown); ++i)
            lines << tr("Line %1: %2")
                         .arg(read.rejected[i].line)
                         .arg(QString::fromStdString(read.rejected[i].reason));
        if (read.rejectedCount > kRejectedShown)
            lines << tr("... and %1 more lines.").arg(read.rejectedCount - kRejectedShown);
        warn(lines.join(QLatin1Char('\n')));
        return false;
    }
    if (!store_->insertAll(read.records)) {
        warn(tr("Nothing was imported: %1").arg(store_->lastError()));
        return false;
    }
    recordsChanged();
    QString text = read.records.size() == 1
                       ? tr("1 record was imported from %1.").arg(path)
                       : tr("%1 records were imported from %2.")
                             .arg(QLocale().toString(qulonglong(read.records.size())), path);
    if (!read.codePage.empty())
        text += QLatin1Char(' ') +
                tr("The file was read as %1.").arg(QString::fromStdString(read.codePage));
    showNotice(text);
    dialogs_.inform(tr("Import"), text);
    return true;
}

} // namespace qv::runtime
