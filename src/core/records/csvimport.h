#pragma once

#include "formula/formulalocale.h"
#include "records/csvformat.h"
#include "records/recordschema.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct CsvRejectedLine {
    std::size_t line = 0; // from 1
    std::string reason;
};

// What an exchange file holds for the records of a built application. A file is taken
// whole or not at all: when one line is rejected, `ok` is false and `records` is empty.
struct CsvImport {
    bool ok = false;
    // When not ok: the file and what is wrong, in one line ("... 2 lines were rejected;
    // nothing was imported").
    std::string message;
    // The rejected lines, in file order; at most kMaxReportedLines of them, `rejectedCount`
    // tells how many there were.
    std::vector<CsvRejectedLine> rejected;
    std::size_t rejectedCount = 0;
    // One entry per record, in file order, each holding one value per column given to the
    // import, in that order ("" for a column the file does not have). Check box values are
    // "0" or "1".
    std::vector<std::vector<std::string>> records;
    // The file was not UTF-8 and was read in this code page of the design ("" when UTF-8).
    std::string codePage;
};

inline constexpr std::size_t kMaxReportedLines = 1000;
// Larger files are refused before they are read.
inline constexpr std::uintmax_t kMaxImportBytes = std::uintmax_t(1) << 30;

struct CsvImportOptions {
    FormulaLocale locale;   // how number fields write their numbers
    int defaultCharset = 0; // the design's character set, for files that are not UTF-8
};

// Reads an exchange text against the columns of the design. The first line names the
// columns when one of its values is a column's name (any case); each of its values must
// then name a different column, in any order, and columns it leaves out stay empty.
// Otherwise the file holds values in the export order of all columns, from its first line.
// A record is rejected when it cannot be read, has another number of values than the
// first line, holds a NUL character, a value longer than its column allows, a number
// field's value that is no number, or a check box value other than 0, 1, -1, true, false,
// yes or no. A UTF-8 byte-order mark is skipped; a text that is not UTF-8 is read in the
// design's code page.
CsvImport importCsv(std::string_view bytes, const std::string& fileName,
                    const std::vector<RecordColumn>& columns, const CsvFormat& format,
                    const CsvImportOptions& options = {});

CsvImport importCsvFile(const std::filesystem::path& path, const std::vector<RecordColumn>& columns,
                        const CsvFormat& format, const CsvImportOptions& options = {});

} // namespace qv
