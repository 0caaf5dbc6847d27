#pragma once

#include "reports/report.h"

#include <vector>

namespace qv {

class RecordReader;
class WriteWalker;

// Writes one report at the writer's cursor: window and paper size, then squares, lines,
// images and labels, each section a count slot and the records of its visible elements.
// Throws SaveRefused when a label's text cannot be stored.
void saveReport(WriteWalker& walker, const Report& report);

// Reads one report at the reader's cursor. Throws RecordError on damaged data.
Report loadReport(RecordReader& reader);

// The order in which labels are written: ascending column number, by the exchange sort
// that stored files were always written with (its order among equal columns is kept so
// that files save unchanged).
std::vector<int> reportLabelOrder(const std::vector<ReportLabel>& labels);

} // namespace qv
