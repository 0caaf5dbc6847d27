#include "records/csvreader.h"

namespace qv {

namespace {

// A space or tab that is not itself the delimiter.
bool isPadding(char c, const std::string& delimiter)
{
    return (c == ' ' || c == '\t') && delimiter.front() != c;
}

} // namespace

CsvReader::CsvReader(std::string_view text, std::string delimiter)
    : text_(text), delimiter_(delimiter.empty() ? std::string(",") : std::move(delimiter))
{
}

bool CsvReader::atDelimiter() const
{
    return text_.compare(pos_, delimiter_.size(), delimiter_) == 0;
}

bool CsvReader::atLineEnd() const
{
    return pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n';
}

void CsvReader::skipLineEnd()
{
    if (pos_ >= text_.size())
        return;
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')
        ++pos_;
    ++pos_;
    ++line_;
}

void CsvReader::skipRestOfLine()
{
    while (!atLineEnd())
        ++pos_;
    skipLineEnd();
}

void CsvReader::readQuoted(CsvRecord& record, std::string& cell)
{
    const std::size_t startLine = line_;
    ++pos_; // the opening quote
    for (;;) {
        if (pos_ >= text_.size()) {
            record.error = "a quoted value that starts on line " + std::to_string(startLine) +
                           " is not closed";
            return;
        }
        const char c = text_[pos_];
        if (c == '"') {
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                cell += '"';
                pos_ += 2;
                continue;
            }
            ++pos_;
            break;
        }
        if (c == '\n' || (c == '\r' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')))
            ++line_;
        cell += c;
        ++pos_;
    }
    while (pos_ < text_.size() && isPadding(text_[pos_], delimiter_))
        ++pos_;
    if (!atLineEnd() && !atDelimiter()) {
        record.error = "value " + std::to_string(record.cells.size() + 1) +
                       " has text after its closing quote";
    }
}

void CsvReader::readPlain(CsvRecord& record, std::string& cell)
{
    while (!atLineEnd() && !atDelimiter()) {
        if (text_[pos_] == '"') {
            record.error = "value " + std::to_string(record.cells.size() + 1) +
                           " holds a double quote but is not in double quotes";
            return;
        }
        cell += text_[pos_++];
    }
}

bool CsvReader::next(CsvRecord& record)
{
    for (;;) {
        if (pos_ >= text_.size())
            return false;
        if (text_[pos_] != '\r' && text_[pos_] != '\n')
            break;
        skipLineEnd(); // an empty line holds no record
    }
    record = CsvRecord{};
    record.line = line_;
    for (;;) {
        std::string cell;
        std::size_t padding = pos_;
        while (padding < text_.size() && isPadding(text_[padding], delimiter_))
            ++padding;
        if (padding < text_.size() && text_[padding] == '"') {
            pos_ = padding;
            readQuoted(record, cell);
        } else {
            readPlain(record, cell);
        }
        if (!record.error.empty()) {
            if (pos_ < text_.size())
                skipRestOfLine();
            return true;
        }
        record.cells.push_back(std::move(cell));
        if (atLineEnd()) {
            skipLineEnd();
            return true;
        }
        pos_ += delimiter_.size();
    }
}

} // namespace qv
