#pragma once

#include "document/projectdocument.h"

#include <vector>

namespace qv {

class DocumentEdit;

// AssignTab: renumbers the order numbers of the input objects (Fields, Notes, Combos,
// Checkboxes) to 1, 2, 3 ... without gaps, keeping their relative order; equal numbers go
// by index, then by kind (Field, Notes, Combo, Checkbox); objects whose number is outside
// 1..N (N = the four counts + 100) come last, by index and kind. Deleted objects keep
// their numbers. Check box 0 takes part like every other object.
void assignTab(ProjectDocument& document);
// The same through an undo step's recording.
void assignTab(DocumentEdit& edit);

class Designer;
// AssignTab as a command of its own (one undo step).
void assignTabOrder(Designer& d);

// The literal double loop over order numbers and indexes, quadratic in N; kept to prove
// that assignTab gives the same numbers.
void assignTabLiteral(ProjectDocument& document);

} // namespace qv
