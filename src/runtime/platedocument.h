#pragma once

#include <QString>

namespace qv {
struct AppData;
class RecordForm;
} // namespace qv

namespace qv::runtime {

// The value behind a placeholder of a plate or a command line (F`n`:, C`n`:, K`n`:,
// N`n`: / M`n`:, P`n`:, ID:) filled from the record on screen. Pictures give the path of
// their file beside the application.
QString FillFromRecord(const QString& text, const AppData& data, const RecordForm& form,
                       const QString& appFolder, bool escapeMarkup);

// Writes file plate `plate` filled with the record on screen into `folder`, as
// "Record_<number>.<extension>", all at once (never half written). Returns the file's
// path, or an empty text with `error` saying what went wrong.
QString WritePlateDocument(const AppData& data, const RecordForm& form, int plate,
                           const QString& folder, const QString& appFolder, QString& error);

// Starts a command line (program and arguments, quoted as a shell would) without waiting
// for it; false with `error` naming the program when it cannot be started.
bool StartProgram(const QString& commandLine, const QString& workingFolder, QString& error);

} // namespace qv::runtime
