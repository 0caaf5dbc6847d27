#include "openrecords.h"

#include "sqliterecordstore.h"

#include "builder/recordfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace qv::runtime {

namespace {

// Whether files can be made in a folder: tried, since permissions alone do not tell (an
// administrator may write where the bits say no; a read-only mount says no to all).
bool folderWritable(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".records-probe-XXXXXX")));
    return probe.open();
}

} // namespace

QString AppRecordsPath(const AppData& data, const QString& folder, const QString& appName)
{
    return QDir(folder).filePath(
        QString::fromStdString(RecordFileName(appName.toStdString(), data.exportExtension)));
}

OpenedRecords OpenAppRecords(const AppData& data, const RecordSchema& schema, const QString& folder,
                             const QString& appName, bool mayCreate)
{
    OpenedRecords opened;
    const QString path = AppRecordsPath(data, folder, appName);
    const QFileInfo file(path);
    if (!mayCreate && !file.exists())
        return opened;
    const bool writable =
        mayCreate && folderWritable(folder) && (!file.exists() || file.isWritable());
    if (!writable && !file.exists()) {
        opened.refused = true;
        opened.notice = QObject::tr("Records cannot be kept: the folder %1 cannot be written "
                                    "to. Nothing is saved.")
                            .arg(QDir::toNativeSeparators(folder));
        return opened;
    }
    const auto access =
        writable ? SqliteRecordStore::Access::ReadWrite : SqliteRecordStore::Access::ReadOnly;
    SqliteRecordStore::Opening opening = SqliteRecordStore::open(path, schema, appName, access);
    if (!opening.store) {
        opened.refused = true;
        opened.notice = QObject::tr("The records cannot be used: %1. Nothing is saved until "
                                    "this is put right.")
                            .arg(opening.error);
        return opened;
    }
    if (!writable && mayCreate)
        opened.notice = QObject::tr("%1 is opened read-only: its folder or file cannot be "
                                    "written to. Changes are not saved.")
                            .arg(path);
    opened.store = std::move(opening.store);
    return opened;
}

} // namespace qv::runtime
