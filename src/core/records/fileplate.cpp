#include "records/fileplate.h"

#include <algorithm>
#include <cctype>

namespace qv {

namespace {

bool isWordCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

std::string escaped(const std::string& value)
{
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

bool IsMarkupExtension(std::string_view extension)
{
    std::string lower(extension);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "xml" || lower == "htm" || lower == "html" || lower == "xhtml";
}

std::string FillFilePlate(std::string_view plate, int64_t recordNumber, const PlateValue& value,
                          bool escapeMarkup)
{
    std::string out;
    out.reserve(plate.size());
    size_t i = 0;
    while (i < plate.size()) {
        const bool boundary = i == 0 || !isWordCharacter(plate[i - 1]);
        if (boundary && plate.substr(i, 3) == "ID:") {
            out += std::to_string(recordNumber);
            i += 3;
            continue;
        }
        const char letter = plate[i];
        if (boundary && std::string_view("FCKNMP").find(letter) != std::string_view::npos) {
            size_t end = i + 1;
            while (end < plate.size() && end - i <= 5 &&
                   std::isdigit(static_cast<unsigned char>(plate[end])))
                ++end;
            std::string found;
            if (end > i + 1 && end - i <= 5 && end < plate.size() && plate[end] == ':' &&
                value(letter, std::stoi(std::string(plate.substr(i + 1, end - i - 1))), found)) {
                out += escapeMarkup ? escaped(found) : found;
                i = end + 1;
                continue;
            }
        }
        out += plate[i];
        ++i;
    }
    return out;
}

} // namespace qv
