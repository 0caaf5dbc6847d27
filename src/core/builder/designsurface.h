#pragma once

#include "document/appsettings.h"

namespace qv {

struct SurfaceSize {
    float width = 0; // twips
    float height = 0;
};

// The size of the designed window's page in twips: the page the canvas shows
// (pageSurface in designer/pagesize.h) from the page-size code, the Landscape flag and the
// custom size.
SurfaceSize DesignSurfaceSize(const AppSettings& settings);

} // namespace qv
