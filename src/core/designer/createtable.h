#pragma once

#include "designer/designer.h"

namespace qv {

// Table_Rows item: fills the rubber band with a grid of new fields, `columns` wide, as the
// Field tool makes them ("Cell_" names); a band narrower than 7 pixels per column is first
// widened to 12 per column. Stops at the Field limit with message 68 (done stays true when
// some cells were made). One undo step; nothing without a band.
Outcome createTable(Designer& d, int columns);

} // namespace qv
