#include "records/recordvalue.h"

#include "formula/formulanumber.h"
#include "formula/numbertext.h"
#include "records/recordschema.h"
#include "records/textfold.h"

namespace qv {

namespace {

std::string quotedName(std::string_view name)
{
    return "\"" + std::string(name) + "\"";
}

} // namespace

std::optional<std::string> checkedRecordValue(const RecordColumn& column, const std::string& value,
                                              const FormulaLocale& locale, std::string& reason)
{
    if (value.find('\0') != std::string::npos) {
        reason = quotedName(column.name) + " holds a NUL character";
        return std::nullopt;
    }
    if (column.object.kind == InputKind::Checkbox) {
        const std::string folded = foldCase(trimmed(value));
        if (folded.empty() || folded == "0" || folded == "false" || folded == "no")
            return std::string("0");
        if (folded == "1" || folded == "-1" || folded == "true" || folded == "yes")
            return std::string("1");
        reason = quotedName(column.name) + " is a check box: \"" + value +
                 "\" is none of 0, 1, -1, true, false, yes, no";
        return std::nullopt;
    }
    if (column.maxLength > 0) {
        const std::size_t length = characterCount(value);
        if (length > static_cast<std::size_t>(column.maxLength)) {
            reason = quotedName(column.name) + " has " + std::to_string(length) +
                     " characters, at most " + std::to_string(column.maxLength) + " fit";
            return std::nullopt;
        }
    }
    const bool numberField =
        column.object.kind == InputKind::Field && column.fieldFormat >= 1 && column.fieldFormat <= 5;
    if (numberField && !trimmed(value).empty() &&
        !StrictDecimal(NormaliseNumberText(trimmed(value), locale))) {
        reason = quotedName(column.name) + " holds numbers: \"" + value + "\" is no number";
        return std::nullopt;
    }
    return value;
}

} // namespace qv
