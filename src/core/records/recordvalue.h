#pragma once

#include "formula/formulalocale.h"

#include <optional>
#include <string>

namespace qv {

struct RecordColumn;

// A value as a column keeps it, or nullopt with `reason` saying why the column cannot
// take it (the reason names the column). Check boxes take 0, 1, -1, true, false, yes, no
// (any case; empty is 0) and keep "0" or "1"; other columns refuse a NUL character and
// more characters than their maximum length; number fields (formats 1-5) refuse a text
// that is not empty and not a number as `locale` writes numbers.
std::optional<std::string> checkedRecordValue(const RecordColumn& column, const std::string& value,
                                              const FormulaLocale& locale, std::string& reason);

} // namespace qv
