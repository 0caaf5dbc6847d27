#pragma once

#include "formula/formulalocale.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

class RecordSet;
class RecordUpdater;
struct RecordColumn;

// `text` with every occurrence of `find` replaced by `with`, found without regard to case
// (letter by letter, so "STRASSE" does not find "Straße"); an empty `find` changes nothing.
std::string ReplaceIgnoringCase(std::string_view text, std::string_view find,
                                std::string_view with);

struct ReplaceOutcome {
    std::size_t changed = 0; // records written
    std::string error;       // when not empty nothing was written
};

// Replaces `find` by `with` in one column of every record of `records`; an empty `find`
// fills the records whose value is empty. Every new value is checked against the column
// first (length, number fields, check boxes): one that does not fit, or records that
// cannot be read to the end, stop the whole replacement and nothing is written. The
// changes are written together, in one step.
ReplaceOutcome ReplaceValues(const RecordSet& records, const RecordColumn& column,
                             const std::string& find, const std::string& with,
                             const FormulaLocale& locale, RecordUpdater& updater);

} // namespace qv
