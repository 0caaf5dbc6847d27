#include "document/projectdocument.h"

namespace qv {

void ProjectDocument::clearObjects()
{
    titles.clear();
    fields.clear();
    notes.clear();
    combos.clear();
    pictures.clear();
    checkboxes.clear();
    squares.clear();
    lines.clear();
    buttons.clear();
    scripts.clear();
    reportSlots.assign(1, ReportSlot{});
    reportCountStoredAsInteger = false;
}

} // namespace qv
