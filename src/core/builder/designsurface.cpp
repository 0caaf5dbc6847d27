#include "builder/designsurface.h"

#include "designer/pagesize.h"
#include "document/units.h"

namespace qv {

SurfaceSize DesignSurfaceSize(const AppSettings& settings)
{
    // The canvas shows the same page: both read pageSurface. A custom size keeps the
    // stored twips exactly.
    const SurfacePixels page = pageSurface(settings);
    if (settings.pageSizeCode == kPageSizeCustom &&
        page.width == twipsToPixels(settings.surfaceWidth) &&
        page.height == twipsToPixels(settings.surfaceHeight))
        return {settings.surfaceWidth, settings.surfaceHeight};
    return {pixelsToTwips(static_cast<float>(page.width)),
            pixelsToTwips(static_cast<float>(page.height))};
}

} // namespace qv
