#pragma once

#include "designer/designer.h"

#include <optional>
#include <string>
#include <vector>

namespace qv {

// A report assembled from the designed window, with the tool-tip texts that the report
// window shows for its labels and images (the report records keep no tool tips).
struct AssembledReport {
    Report report;
    std::vector<std::string> labelToolTips; // one per label
    std::vector<std::string> imageToolTips; // one per image
};

// Default_Click: a report that mirrors what `page` shows: squares, lines, then data labels
// of the check boxes, notes, combos and fields, then the titles as plain labels, then the
// pictures (at most 201). Positions are copied unchanged. The paper and window sizes are
// taken from `base`.
AssembledReport assembleReport(const ProjectDocument& document, int page, const Report& base = {});

// Replaces the content of report slot `slot` with the assembly of the current page, as one
// undo step. Returns false for a slot that does not exist.
bool assembleReportInto(Designer& d, int slot);

// The caption token and tool tip of a data label for one object (Fieldnumber_Click).
struct DataLabelText {
    std::string caption;
    std::string toolTip;
    int16_t referenceCode = 0;
};
DataLabelText dataLabelText(const ProjectDocument& document, ObjectRef ref);
// Fieldnumber_Click: adds the data label of one Field, Combo, Notes or Checkbox to report
// slot `slot` at the top-left corner, in column 1. Returns its tool tip; nullopt when the
// object or slot does not exist.
std::optional<std::string> addDataLabel(Designer& d, int slot, ObjectRef ref);

} // namespace qv
