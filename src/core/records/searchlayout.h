#pragma once

#include <vector>

namespace qv {

struct AppData;
class RecordSchema;

// The search window of a built application as its design sets it up.
struct SearchLayout {
    // Schema columns shown in the result list, in order: the design's column choices that
    // name a stored object, at most ten; without any, the first ten columns of the export
    // order.
    std::vector<int> listed;
    // Schema columns the user may search in: every stored object not marked "cannot be
    // searched".
    std::vector<int> searchable;
    bool multiSelect = false;  // rows can be selected together ("Multi-Select")
    bool lastFirst = false;    // the newest records come first ("Search Last - First")
    bool exportButton = false; // the window offers to export what was found ("Export")
};

inline constexpr int kMaxListedColumns = 10;

SearchLayout SearchLayoutOf(const AppData& data, const RecordSchema& schema);

} // namespace qv
