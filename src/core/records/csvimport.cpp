#include "records/csvimport.h"

#include "document/codepage.h"
#include "document/utf8.h"
#include "records/csvreader.h"
#include "records/recordvalue.h"
#include "records/textfold.h"

#include <fstream>
#include <map>
#include <optional>
#include <system_error>

namespace qv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string quotedName(std::string_view name)
{
    return "\"" + std::string(name) + "\"";
}

class Import {
public:
    Import(const std::vector<RecordColumn>& columns, const CsvImportOptions& options)
        : columns_(columns), options_(options)
    {
    }

    void run(std::string_view text, const CsvFormat& format)
    {
        CsvReader reader(text, format.delimiter);
        CsvRecord record;
        bool first = true;
        while (reader.next(record)) {
            if (!record.error.empty()) {
                if (first)
                    identityMapping();
                reject(record.line, record.error);
            } else if (first && readHeader(record)) {
                // the names of the columns, no record
            } else {
                if (first)
                    identityMapping();
                take(record);
            }
            first = false;
        }
    }

    CsvImport& result() { return result_; }

private:
    void reject(std::size_t line, std::string reason)
    {
        ++result_.rejectedCount;
        if (result_.rejected.size() < kMaxReportedLines)
            result_.rejected.push_back({line, std::move(reason)});
    }

    void identityMapping()
    {
        mapping_.clear();
        for (std::size_t c = 0; c < columns_.size(); ++c)
            mapping_.push_back(c);
    }

    // True when the record names columns; its faults are then rejections of its line.
    bool readHeader(const CsvRecord& record)
    {
        std::map<std::string, std::size_t> byName;
        for (std::size_t c = 0; c < columns_.size(); ++c)
            byName.emplace(foldCase(columns_[c].name), c);
        bool names = false;
        for (const std::string& cell : record.cells)
            names = names || byName.count(foldCase(trimmed(cell))) > 0;
        if (!names)
            return false;
        std::vector<bool> seen(columns_.size(), false);
        for (std::size_t i = 0; i < record.cells.size(); ++i) {
            const std::string_view name = trimmed(record.cells[i]);
            const auto found = byName.find(foldCase(name));
            if (name.empty()) {
                reject(record.line, "value " + std::to_string(i + 1) + " names no column");
            } else if (found == byName.end()) {
                reject(record.line,
                       "no field, notes box, combo box or check box is named " + quotedName(name));
            } else if (seen[found->second]) {
                reject(record.line, "the column " + quotedName(name) + " is named twice");
            } else {
                seen[found->second] = true;
                mapping_.push_back(found->second);
                continue;
            }
            mapping_.push_back(columns_.size()); // a column that takes nothing
        }
        return true;
    }

    void take(const CsvRecord& record)
    {
        if (record.cells.size() != mapping_.size()) {
            const std::size_t n = record.cells.size();
            reject(record.line, "has " + std::to_string(n) + (n == 1 ? " value, " : " values, ") +
                                    std::to_string(mapping_.size()) + " expected");
            return;
        }
        std::vector<std::string> values(columns_.size());
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            if (columns_[c].object.kind == InputKind::Checkbox)
                values[c] = "0";
        }
        bool rejected = false;
        for (std::size_t i = 0; i < record.cells.size(); ++i) {
            const std::size_t c = mapping_[i];
            if (c >= columns_.size())
                continue;
            std::string reason;
            std::optional<std::string> value =
                checkedRecordValue(columns_[c], record.cells[i], options_.locale, reason);
            if (!value) {
                reject(record.line, reason);
                rejected = true;
                break;
            }
            values[c] = std::move(*value);
        }
        // Nothing of the file is kept once a line is refused.
        if (!rejected && result_.rejectedCount == 0)
            result_.records.push_back(std::move(values));
    }

    const std::vector<RecordColumn>& columns_;
    const CsvImportOptions& options_;
    // For each value of a line: the column it fills (columns_.size() for none).
    std::vector<std::size_t> mapping_;
    CsvImport result_;
};

} // namespace

CsvImport importCsv(std::string_view bytes, const std::string& fileName,
                    const std::vector<RecordColumn>& columns, const CsvFormat& format,
                    const CsvImportOptions& options)
{
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        bytes.remove_prefix(kByteOrderMark.size());
    std::string decoded;
    std::string codePage;
    if (!isValidUtf8(bytes)) {
        const CodePage page = CodePage::forCharset(options.defaultCharset);
        decoded = page.toUtf8(bytes);
        codePage = page.name();
        bytes = decoded;
    }

    Import import(columns, options);
    import.run(bytes, format);
    CsvImport result = std::move(import.result());
    result.codePage = codePage;
    if (result.rejectedCount > 0) {
        result.records.clear();
        const std::string lines = result.rejectedCount == 1 ? "1 line was rejected"
                                                            : std::to_string(result.rejectedCount) +
                                                                  " lines were rejected";
        result.message = fileName + ": " + lines + "; nothing was imported";
        return result;
    }
    if (result.records.empty()) {
        result.message = fileName + ": the file holds no records";
        return result;
    }
    result.ok = true;
    return result;
}

CsvImport importCsvFile(const std::filesystem::path& path, const std::vector<RecordColumn>& columns,
                        const CsvFormat& format, const CsvImportOptions& options)
{
    CsvImport result;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        result.message = path.string() + ": " + error.message();
        return result;
    }
    if (size > kMaxImportBytes) {
        result.message = path.string() + ": the file is larger than 1 GB; nothing was imported";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        result.message = path.string() + ": the file cannot be read";
        return result;
    }
    return importCsv(bytes, path.string(), columns, format, options);
}

} // namespace qv
