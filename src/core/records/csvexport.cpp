#include "records/csvexport.h"

#include "document/atomicfile.h"
#include "records/recordset.h"

namespace qv {

namespace {

void appendCell(std::string& out, std::string_view value, const CsvFormat& format)
{
    const bool quoted = value.find_first_of("\"\r\n") != std::string_view::npos ||
                        value.find(format.delimiter) != std::string_view::npos ||
                        (!value.empty() && (value.front() == ' ' || value.back() == ' '));
    if (!quoted) {
        out += value;
        return;
    }
    out += '"';
    for (char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

} // namespace

std::string csvCell(std::string_view value, const CsvFormat& format)
{
    std::string out;
    appendCell(out, value, format);
    return out;
}

std::string csvText(const RecordSet& records, const std::vector<RecordColumn>& columns,
                    const CsvFormat& format, std::size_t* written)
{
    std::size_t count = 0;
    std::string out;
    for (size_t c = 0; c < columns.size(); ++c) {
        if (c > 0)
            out += format.delimiter;
        appendCell(out, columns[c].name, format);
    }
    out += "\r\n";
    records.forEach([&](const RecordRow& row) {
        const size_t lineStart = out.size();
        for (size_t c = 0; c < columns.size(); ++c) {
            if (c > 0)
                out += format.delimiter;
            appendCell(out, row.value(columns[c].object), format);
        }
        // A record of one empty value would make an empty line, which readers skip.
        if (out.size() == lineStart)
            out += "\"\"";
        out += "\r\n";
        ++count;
        return true;
    });
    if (written)
        *written = count;
    return out;
}

CsvExport exportCsvFile(const std::filesystem::path& path, const RecordSet& records,
                        const std::vector<RecordColumn>& columns, const CsvFormat& format)
{
    CsvExport result;
    std::size_t written = 0;
    const std::string text = csvText(records, columns, format, &written);
    // Half the records in a file that looks whole would be worse than no file.
    if (const std::string failed = records.failure(); !failed.empty()) {
        result.message = path.string() + " was not written: " + failed;
        return result;
    }
    std::string error;
    if (!writeFileAtomically(path, text, error)) {
        result.message = path.string() + ": " + error;
        return result;
    }
    result.ok = true;
    result.records = written;
    return result;
}

} // namespace qv
