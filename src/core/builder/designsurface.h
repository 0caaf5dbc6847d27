#pragma once

#include "document/appsettings.h"

namespace qv {

struct SurfaceSize {
    float width = 0; // twips
    float height = 0;
};

// The size of the designed window's page from the document's page-size code: a paper of
// the page-size menu (turned when the Landscape entry is checked), the custom size of code
// 22 or the touch screen. Unknown codes give Letter.
SurfaceSize DesignSurfaceSize(const AppSettings& settings);

} // namespace qv
