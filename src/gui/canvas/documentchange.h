#pragma once

#include "designer/objectref.h"

#include <algorithm>
#include <vector>

namespace qv::gui {

// What one operation on the open design changed, as DesignDocument announces it. A window
// looks at the flags it cares about and, for Objects, at the objects and kinds listed.
struct DocumentChange {
    enum Flag : unsigned {
        // Records changed, were created or were removed: `objects` lists them one by one,
        // `tables` lists kinds that were renumbered as a whole (delete, undoing one).
        Objects = 1u << 0,
        // Another page is shown (CurrentPage).
        Page = 1u << 1,
        // A different document: opened, new, or replaced; everything may differ.
        Reload = 1u << 2,
        // The selection, the rubber band, the placement tool or the lock changed.
        Selection = 1u << 3,
        // Application-wide settings changed (page size, page captions, colours, ...).
        Settings = 1u << 4,
        // Unit of measure, grid or snap flag changed.
        CanvasSettings = 1u << 5,
        // The undo history changed (what Undo and Redo would do).
        History = 1u << 6,
        // The modified flag changed.
        Modified = 1u << 7,
        // Report layouts changed.
        Reports = 1u << 8,
    };

    unsigned flags = 0;
    std::vector<ObjectRef> objects;
    std::vector<ObjectKind> tables;

    bool has(Flag flag) const { return (flags & flag) != 0; }
    bool empty() const { return flags == 0; }

    // True when the object may differ after this change.
    bool touches(ObjectRef ref) const
    {
        if (has(Reload))
            return true;
        if (!has(Objects))
            return false;
        return std::find(tables.begin(), tables.end(), ref.kind) != tables.end() ||
               std::find(objects.begin(), objects.end(), ref) != objects.end();
    }
};

} // namespace qv::gui
