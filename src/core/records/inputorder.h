#pragma once

#include "builder/appdata.h"
#include "records/inputref.h"

#include <vector>

namespace qv {

// Every input object of a design (deleted ones left out) in the TAB key and CSV export
// order of its order numbers: ascending numbers, equal numbers by index and then by kind
// (Field, Notes, Combo, Checkbox), objects without a number in 1..N after all numbered
// ones in the same index-then-kind order; N is the number of input objects + 100, the
// range the designer renumbers.
std::vector<InputRef> InputOrder(const AppData& data);

// The order number and the page of an input object of the design.
int TabOrderOf(const AppData& data, InputRef ref);
int PageOf(const AppData& data, InputRef ref);
// Every input object of the design that is not deleted or parked, kind by kind.
std::vector<InputRef> InputObjects(const AppData& data);

} // namespace qv
