#include "records/searchlayout.h"

#include "builder/appdata.h"
#include "records/recordschema.h"

#include <algorithm>

namespace qv {

SearchLayout SearchLayoutOf(const AppData& data, const RecordSchema& schema)
{
    SearchLayout layout;
    for (int16_t code : data.searchColumnRefs) {
        const int column = schema.columnOfReference(code);
        if (column < 0 ||
            std::find(layout.listed.begin(), layout.listed.end(), column) != layout.listed.end())
            continue;
        layout.listed.push_back(column);
        if (static_cast<int>(layout.listed.size()) == kMaxListedColumns)
            break;
    }
    if (layout.listed.empty()) {
        for (int c = 0; c < std::min(schema.size(), kMaxListedColumns); ++c)
            layout.listed.push_back(c);
    }
    for (int c = 0; c < schema.size(); ++c) {
        if (schema.columns()[static_cast<size_t>(c)].searchable)
            layout.searchable.push_back(c);
    }
    layout.multiSelect = data.searchMultiSelect != 0;
    layout.lastFirst = data.searchLastFirst != 0;
    layout.exportButton = data.searchExport != 0;
    return layout;
}

} // namespace qv
