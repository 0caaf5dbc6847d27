#pragma once

#include "designer/canvassettings.h"

#include <optional>
#include <string_view>
#include <utility>

namespace qv {

struct AppSettings;
class Designer;

// Items of the page-size menu that are not papers.
inline constexpr int kPortraitItem = 19;
inline constexpr int kLandscapeItem = 20;
inline constexpr int kCustomPageItem = 22;
inline constexpr int kTouchScreenItem = 23;

// One paper of the page-size menu (items 0-17), or the touch screen (item 23).
struct PaperSize {
    std::string_view caption;
    double width;
    double height;
    MeasureUnit unit;
};
std::optional<PaperSize> paperSize(int index);

// The designed window's page in pixels.
struct SurfacePixels {
    double width = 0;
    double height = 0;
};

// The one page size of a design, read from its settings: the paper of the page-size code,
// turned when the Landscape item is checked; the custom size of code 22 as it is stored
// (it is the page as shown); the touch screen, 1366 x 768 either way. Unknown
// codes and an unusable custom size give Letter. The canvas, the position-box clamps,
// Select All and the builder all read this.
SurfacePixels pageSurface(const AppSettings& settings);

// Whether the Landscape item is checked; Portrait is checked exactly when it is not.
bool landscapeChecked(const AppSettings& settings);

// PageSize_Click: writes the chosen page into the document (page-size code, Landscape
// flag, custom size) as one undo step. `custom` gives the two boxes of the custom page
// dialog in the current unit for item 22 (and for Portrait when it re-applies item 22);
// without it item 22 changes nothing. Separators, unknown items, custom sizes that are not
// positive and Landscape while Landscape is already checked change nothing. Returns whether
// the document changed.
bool choosePageSize(Designer& d, int index,
                    std::optional<std::pair<double, double>> custom = std::nullopt);

} // namespace qv
