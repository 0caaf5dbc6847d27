#pragma once

#include "designer/objectref.h"

#include <vector>

namespace qv {

// What finished steps changed in the document, gathered for the windows so that they
// redraw only what changed. An object listed may have been changed, created or removed;
// a kind listed under `tables` was renumbered as a whole.
struct ChangeSummary {
    std::vector<ObjectRef> objects;
    std::vector<ObjectKind> tables;
    bool settings = false;
    bool reports = false;

    bool empty() const { return objects.empty() && tables.empty() && !settings && !reports; }
    void clear() { *this = {}; }
};

} // namespace qv
