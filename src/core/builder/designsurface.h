#pragma once

#include "document/appsettings.h"

namespace qv {

struct SurfaceSize {
    float width = 0;  // twips
    float height = 0;
};

// The size of the designed window's page from the document's page-size code (the paper
// sizes of the page-size menu, the custom size of code 22, the touch screen of code 23),
// turned when the Landscape entry is checked. Unknown codes give Letter.
SurfaceSize DesignSurfaceSize(const AppSettings& settings);

}  // namespace qv
