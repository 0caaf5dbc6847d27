#pragma once

#include "recordstore.h"

#include <QString>

#include <functional>
#include <memory>

namespace qv {
struct AppData;
class RecordSchema;
} // namespace qv

namespace qv::runtime {

// The records an application window works on, and what to tell the user about them.
struct OpenedRecords {
    std::unique_ptr<RecordStore> store; // null when the records cannot be used at all
    QString notice;       // for the status line: read-only, refused, ...; empty when all is well
    bool refused = false; // the file was refused: the user must hear it at once
};

// Opens the records for a window whose records have `schema`.
using RecordsOpener = std::function<OpenedRecords(const RecordSchema& schema)>;

// Opens the records of a built application: the file RecordFileName(AppName, data-file
// extension) in `folder`, read-write when the folder and file can be written, else
// read-only with a notice. With `mayCreate` false (a screenshot) a missing file is not
// made, and the window shows a new record.
OpenedRecords OpenAppRecords(const AppData& data, const RecordSchema& schema, const QString& folder,
                             const QString& appName, bool mayCreate);

// The path of the records file of an application in `folder`.
QString AppRecordsPath(const AppData& data, const QString& folder, const QString& appName);

} // namespace qv::runtime
