#include "records/csvformat.h"

#include "records/textfold.h"

#include <algorithm>

namespace qv {

CsvFormat CsvFormat::fromDesign(std::string_view delimiter, std::string_view extension)
{
    CsvFormat format;
    std::string_view d = delimiter;
    if (!trimmed(d).empty())
        d = trimmed(d);
    else if (d.find('\t') != std::string_view::npos)
        d = "\t";
    else if (!d.empty())
        d = " ";
    const std::string folded = foldCase(d);
    if (folded == "\\t" || folded == "tab")
        format.delimiter = std::string(1, '\t');
    else if (!d.empty() && d.find_first_of("\"\r\n") == std::string_view::npos)
        format.delimiter = std::string(d);

    std::string_view ext = trimmed(extension);
    while (!ext.empty() && ext.front() == '.')
        ext.remove_prefix(1);
    const std::string e = foldCase(ext);
    const bool plain = !e.empty() && e.size() <= 16 && std::all_of(e.begin(), e.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    });
    if (plain)
        format.extension = e;
    return format;
}

std::string CsvFormat::fileName(std::string_view stem) const
{
    return std::string(stem) + "." + extension;
}

} // namespace qv
