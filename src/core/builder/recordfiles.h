#pragma once

#include "builder/appdata.h"

#include <string>
#include <string_view>

namespace qv {

// Where a built application keeps its records: one database file beside its executable,
// named after the application with the data-file extension of its design. The builder
// must never delete these when it builds the application again, and the runtime opens
// them, so both take the names from here.

// The application's name as the builder gave it (the stem of its help file name, which
// the builder always writes as AppName + ".chm"); `fallback` when the block names none.
std::string AppNameOf(const AppData& data, const std::string& fallback);

// The extension of the records file: the design's data-file extension reduced to a plain
// name. A records file is a database, so the extension of the CSV exchange files ("csv",
// also the block's default for an empty setting) and anything that is no plain name
// (a path, an empty text) give "db": an export of the same name would otherwise
// overwrite the records.
std::string RecordFileExtension(std::string_view dataExtension);

// AppName + "." + RecordFileExtension(dataExtension).
std::string RecordFileName(const std::string& appName, std::string_view dataExtension);

// True for the records file of the application and the files the database engine keeps
// beside it while it is open ("-wal", "-shm", "-journal").
bool IsRecordFile(const std::string& fileName, const std::string& appName,
                  std::string_view dataExtension);

} // namespace qv
