#pragma once

#include "builder/appdata.h"
#include "formula/formulalocale.h"
#include "records/inputref.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qv {

// How the values of one column compare when records are sorted by it.
enum class SortKind { Text, Number, Date };

// Number formats (1-5) and check boxes sort as numbers, date and time formats (6-12) as
// dates, everything else as text.
SortKind SortKindOf(const AppData& data, InputRef ref);

// One record's number and its value in the column sorted by.
using KeyedRecord = std::pair<int64_t, std::string>;

// The record numbers ordered by their values: text by the locale's collation ignoring
// case, numbers and dates by value with the texts that are none of them after them.
// Empty values come last in either direction; equal values keep record-number order.
std::vector<int64_t> OrderRecords(std::vector<KeyedRecord> records, SortKind kind, bool descending,
                                  const FormulaLocale& locale);

} // namespace qv
