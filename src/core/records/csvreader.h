#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// One record of an exchange text as it was read.
struct CsvRecord {
    std::size_t line = 0; // the line it starts on, from 1
    std::vector<std::string> cells;
    std::string error; // why the record cannot be read; its cells are then incomplete
};

// Splits an exchange text (RFC 4180) into records: values separated by the delimiter,
// records by CR LF, LF or CR; a value in double quotes may hold the delimiter, line breaks
// and doubled quotes. Spaces around a quoted value are allowed; a quote inside a value
// that is not quoted, or text after a closing quote, is an error of that record, and
// reading goes on at the next line. Empty lines are skipped.
class CsvReader {
public:
    CsvReader(std::string_view text, std::string delimiter);

    // The next record; false at the end of the text.
    bool next(CsvRecord& record);

private:
    bool atDelimiter() const;
    bool atLineEnd() const;
    void skipLineEnd();
    void skipRestOfLine();
    void readQuoted(CsvRecord& record, std::string& cell);
    void readPlain(CsvRecord& record, std::string& cell);

    std::string_view text_;
    std::string delimiter_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

} // namespace qv
