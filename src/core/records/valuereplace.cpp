#include "records/valuereplace.h"

#include "records/recordschema.h"
#include "records/recordset.h"
#include "records/recordvalue.h"
#include "records/textfold.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <vector>

namespace qv {

namespace {

struct Letter {
    UChar32 folded;
    std::size_t start; // byte offset in the text
};

// The letters of a UTF-8 text, each folded on its own; an ill-formed byte stands for
// itself.
std::vector<Letter> foldedLetters(std::string_view text)
{
    std::vector<Letter> letters;
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t i = 0;
    while (i < length) {
        const int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0)
            c = 0x110000 + bytes[start]; // outside Unicode: equal only to the same byte
        else
            c = u_foldCase(c, U_FOLD_CASE_DEFAULT);
        letters.push_back({c, static_cast<std::size_t>(start)});
    }
    return letters;
}

} // namespace

std::string ReplaceIgnoringCase(std::string_view text, std::string_view find, std::string_view with)
{
    if (find.empty())
        return std::string(text);
    const std::vector<Letter> letters = foldedLetters(text);
    const std::vector<Letter> wanted = foldedLetters(find);
    std::string out;
    std::size_t copied = 0;
    std::size_t i = 0;
    while (i + wanted.size() <= letters.size()) {
        std::size_t k = 0;
        while (k < wanted.size() && letters[i + k].folded == wanted[k].folded)
            ++k;
        if (k < wanted.size()) {
            ++i;
            continue;
        }
        const std::size_t start = letters[i].start;
        const std::size_t end = i + k < letters.size() ? letters[i + k].start : text.size();
        out.append(text.substr(copied, start - copied));
        out.append(with);
        copied = end;
        i += k;
    }
    out.append(text.substr(copied));
    return out;
}

ReplaceOutcome ReplaceValues(const RecordSet& records, const RecordColumn& column,
                             const std::string& find, const std::string& with,
                             const FormulaLocale& locale, RecordUpdater& updater)
{
    ReplaceOutcome outcome;
    std::vector<RecordChange> changes;
    records.forEach([&](const RecordRow& row) {
        const std::string value = row.value(column.object);
        const std::string replaced = find.empty() ? (trimmed(value).empty() ? with : value)
                                                  : ReplaceIgnoringCase(value, find, with);
        if (replaced == value)
            return true;
        std::string reason;
        const std::optional<std::string> checked =
            checkedRecordValue(column, replaced, locale, reason);
        if (!checked) {
            outcome.error =
                "Nothing was replaced: record " + std::to_string(row.id()) + ": " + reason + ".";
            return false;
        }
        changes.push_back({row.id(), column.object, *checked});
        return true;
    });
    if (outcome.error.empty() && !records.failure().empty())
        outcome.error = "Nothing was replaced: the records could not be read: " + records.failure();
    if (!outcome.error.empty())
        return outcome;
    if (!changes.empty()) {
        const std::string failed = updater.apply(changes);
        if (!failed.empty()) {
            outcome.error = "Nothing was replaced: " + failed;
            return outcome;
        }
    }
    outcome.changed = changes.size();
    return outcome;
}

} // namespace qv
