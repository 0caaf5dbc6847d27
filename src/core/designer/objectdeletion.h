#pragma once

#include "designer/designer.h"

#include <vector>

namespace qv {

// Deletes objects and renumbers the survivors of each kind consecutively, so that a kind
// keeps no gaps; the per-object values move with their objects. References to renumbered
// Fields, Combos, Checkboxes and Notes in the field formulas, the button scripts, the
// e-mail field settings and the report labels follow their objects; references to a
// deleted object become kDeletedReference (report labels: plain labels with that
// caption). The order numbers are renumbered afterwards. One undo step.
Outcome deleteObjects(Designer& d, const std::vector<ObjectRef>& objects);

// Command2_Click: the multi-selection list when it holds objects, else the selected object.
Outcome deleteSelection(Designer& d);

} // namespace qv
