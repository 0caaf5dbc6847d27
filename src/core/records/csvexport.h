#pragma once

#include "records/csvformat.h"
#include "records/recordschema.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class RecordSet;

// One value as a cell (RFC 4180): in double quotes, with its quotes doubled, when it holds
// the delimiter, a double quote or a line break, or starts or ends with a space (which
// readers would otherwise drop); as it stands otherwise.
std::string csvCell(std::string_view value, const CsvFormat& format);

// The exchange text of a set of records, UTF-8 without a byte-order mark: a first line with
// the columns' names, then one line per record in the set's order, each value in its
// column; lines end in CR LF. `written`, when given, receives the number of records.
std::string csvText(const RecordSet& records, const std::vector<RecordColumn>& columns,
                    const CsvFormat& format, std::size_t* written = nullptr);

struct CsvExport {
    bool ok = false;
    std::string message; // when not ok: the file and what failed
    std::size_t records = 0;
};

// Writes csvText into `path` as one step: a failure, also of reading the records, leaves
// an older file as it was.
CsvExport exportCsvFile(const std::filesystem::path& path, const RecordSet& records,
                        const std::vector<RecordColumn>& columns, const CsvFormat& format);

} // namespace qv
