#pragma once

#include "designer/designer.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The Line Properties window: its list ("Line " and the index, for every line) and the
// edits it makes to the current line.
std::vector<std::string> lineEntries(const ProjectDocument& document);
// The line index of an entry (the number after "Line "); nullopt when there is none.
std::optional<int> lineIndexOfEntry(std::string_view entry);

// T1..T4: end point coordinate 0 X1, 1 Y1, 2 X2, 3 Y2 of a line, in pixels.
bool setLineCoordinate(Designer& d, int line, int coordinate, float pixels);
bool setLineColour(Designer& d, int line, int32_t colour);
bool setLinePrint(Designer& d, int line, bool print);

} // namespace qv
