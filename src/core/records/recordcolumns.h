#pragma once

#include "records/valueref.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qv {

struct AppData;

// One value that every record of a built application keeps: a field (not a dummy one), a
// notes box, a combo box or a check box that lies on a page of the window.
struct ExchangeColumn {
    ValueRef ref;
    // The search/export label (the object's tag; the data block's default name when it
    // is empty), made unique among the columns without regard to case.
    std::string name;
    int32_t maxLength = 0; // characters; 0 for no limit
    int fieldFormat = 0;   // fields: 0 text, 1-5 numbers, 6-12 dates and times
    int16_t order = 0;     // the TAB key / export order
};

// The columns in export order: by order number, equal numbers by kind (Field, Notes,
// Combo, Checkbox) and then by index, as the tab order is numbered.
std::vector<ExchangeColumn> recordColumns(const AppData& data);

} // namespace qv
