#include "builder/designsurface.h"

#include "designer/canvassettings.h"
#include "document/units.h"

#include <utility>

namespace qv {

SurfaceSize DesignSurfaceSize(const AppSettings& settings)
{
    const int code = settings.pageSizeCode;
    if (code == kPageSizeCustom && settings.surfaceWidth > 0 && settings.surfaceHeight > 0)
        return {settings.surfaceWidth, settings.surfaceHeight};
    std::optional<PaperSize> paper = paperSize(code);
    if (!paper)
        paper = paperSize(0);
    SurfaceSize size{pixelsToTwips(static_cast<float>(toPixels(paper->width, paper->unit))),
                     pixelsToTwips(static_cast<float>(toPixels(paper->height, paper->unit)))};
    if (settings.pageSize20Checked && paper->unit != MeasureUnit::Pixels)
        std::swap(size.width, size.height);
    return size;
}

} // namespace qv
