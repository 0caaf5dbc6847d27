#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qv {

// The value a placeholder of a file plate stands for: `letter` is F (field), C (combo),
// K (check box), N or M (notes) or P (picture). False when no such object exists; the
// placeholder then stays as written.
using PlateValue = std::function<bool(char letter, int index, std::string& value)>;

// A file plate filled with one record: every F`n`:, C`n`:, K`n`:, N`n`:, M`n`: and P`n`:
// is replaced by that object's value and every ID: by the record number. A placeholder
// counts only where no letter or digit stands right before it (so "VALID:" stays). The
// text is scanned once, so a value that itself looks like a placeholder stays as it is.
// With `escapeMarkup` (XML and HTML plates) the values are written as markup text.
std::string FillFilePlate(std::string_view plate, int64_t recordNumber, const PlateValue& value,
                          bool escapeMarkup);

// True for plate extensions whose files are markup (xml, htm, html, xhtml), ignoring case.
bool IsMarkupExtension(std::string_view extension);

} // namespace qv
