#include "designer/createtable.h"

#include "designer/objectcreation.h"
#include "designer/objectgeometry.h"
#include "designer/taborder.h"
#include "document/languagetable.h"

#include <cmath>

namespace qv {

Outcome createTable(Designer& d, int columns)
{
    const SelectionState& s = d.selection();
    if (!s.bandVisible || columns < 1)
        return {};
    return d.change("Create Table", [&](DocumentEdit& e) {
        SelectionState& band = e.selection();
        ProjectDocument& doc = e.document();
        if (band.bandWidth < 7.0f * columns)
            band.bandWidth = 12.0f * columns;
        const float boxHeight = twipsToPixels(doc.fields.templateElement().height);
        const float rowHeight = boxHeight + 6;
        const int rows = static_cast<int>(std::nearbyint(band.bandHeight / rowHeight));
        const float w = std::nearbyint(band.bandWidth / static_cast<float>(columns));
        Outcome outcome = Outcome::ok();
        for (int c = 0; c < columns && outcome.message == 0; ++c) {
            for (int r = 0; r < rows; ++r) {
                const int index = appendStyledObject(e, ObjectKind::Field, {});
                if (index < 0) {
                    outcome = d.message(text::FieldsFull);
                    outcome.done = true;
                    break;
                }
                Field& f = doc.fields[index];
                const float frameLeft = band.bandLeft + static_cast<float>(c) * w;
                const float frameTop = band.bandTop + static_cast<float>(r) * rowHeight;
                f.left = pixelsToTwips(frameLeft + kFrameInset);
                f.top = pixelsToTwips(frameTop + kFrameInset);
                f.width = pixelsToTwips(w - 2 * kFrameInset);
                f.tag = "Cell_" + std::to_string(index);
            }
        }
        assignTab(e);
        return outcome;
    });
}

} // namespace qv
