#pragma once

#include "reports/report.h"

namespace qv {

struct AppData;

// The report a built application prints when its design has none: one page of the
// designed window as it shows a record, as the report designer's "Assemble" would make it.
// Shapes, lines and pictures of the page are copied; every field, notes box, combo box and
// check box that is printed gets a data label showing its value, every title a plain
// label. Everything keeps its place, moved in by a half-inch margin, on A4 paper (turned
// when the design is landscape) or larger paper when the window does not fit.
Report WindowReport(const AppData& data, int page);

} // namespace qv
