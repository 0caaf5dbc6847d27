#pragma once

#include "records/action.h"

#include <QString>

namespace qv {
struct AppData;
class RecordForm;
class RecordRow;
} // namespace qv

namespace qv::runtime {

// The value behind a placeholder of a plate (F`n`:, C`n`:, K`n`:,
// N`n`: / M`n`:, P`n`:, ID:) filled from the record on screen. Pictures give the path of
// their file beside the application.
QString FillFromRecord(const QString& text, const AppData& data, const RecordForm& form,
                       const QString& appFolder, bool escapeMarkup);

// Writes file plate `plate` filled with the record on screen into `folder`, as
// "Record_<number>.<extension>", all at once (never half written). Returns the file's
// path, or an empty text with `error` saying what went wrong.
QString WritePlateDocument(const AppData& data, const RecordForm& form, int plate,
                           const QString& folder, const QString& appFolder, QString& error);

// Starts a program directly, never through a shell, and does not wait for it: an absolute
// path as it is, a bare name found on the PATH. False with `error` naming the program when
// it cannot be found or started.
bool StartProgram(const action::RunProgram& run, QString& error);

// Starts a command line of the design with the record's values as its arguments, checked
// as a button's command is; false with `error` saying what was refused or could not start.
bool StartProgram(const QString& commandLine, const QString& workingFolder, const RecordRow& record,
                  QString& error);

} // namespace qv::runtime
