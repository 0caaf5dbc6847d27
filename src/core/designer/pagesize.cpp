#include "designer/pagesize.h"

#include "designer/designer.h"
#include "document/appsettings.h"
#include "document/units.h"

#include <cstdint>
#include <iterator>

namespace qv {

namespace {

constexpr PaperSize kPapers[] = {
    {"Letter, 8\u00bd x 11 in.", 8.5, 11, MeasureUnit::Inches},
    {"Tabloid, 11 x 17 in.", 11, 17, MeasureUnit::Inches},
    {"Ledger, 17 x 11 in.", 17, 11, MeasureUnit::Inches},
    {"Legal, 8\u00bd x 14 in.", 8.5, 14, MeasureUnit::Inches},
    {"Statement, 5\u00bd x 8\u00bd in. ", 5.5, 8.5, MeasureUnit::Inches},
    {"Executive, 7\u00bd x 10\u00bd in.", 7.5, 10.5, MeasureUnit::Inches},
    {"Note, 8\u00bd x 11 in.", 8.5, 11, MeasureUnit::Inches},
    {"Folio, 8\u00bd x 13 in.", 8.5, 13, MeasureUnit::Inches},
    {"U.S. Standard Fanfold, 14 7/8 x 11 in.", 14.875, 11, MeasureUnit::Inches},
    {"German Standard Fanfold, 8\u00bd x 12 in.", 8.5, 12, MeasureUnit::Inches},
    {"German Legal Fanfold, 8\u00bd x 13 in. ", 8.5, 13, MeasureUnit::Inches},
    {"A3, 297 x 420 mm", 297, 420, MeasureUnit::Millimetres},
    {"A4, 297 x 210 mm", 210, 297, MeasureUnit::Millimetres},
    {"A5, 148 x 210 mm", 148, 210, MeasureUnit::Millimetres},
    {"A6, 105 x 148 mm", 105, 148, MeasureUnit::Millimetres},
    {"B4, 250 x 354 mm", 250, 354, MeasureUnit::Millimetres},
    {"B5, 182 x 257 mm", 182, 257, MeasureUnit::Millimetres},
    {"Quarto, 215 x 275 mm", 215, 275, MeasureUnit::Millimetres},
};

bool usableCustomSize(const AppSettings& a)
{
    // Comparisons with NaN are false, so a damaged size is not usable either.
    constexpr float kLargest = 32767 * kTwipsPerPixel;
    return a.surfaceWidth > 0 && a.surfaceHeight > 0 && a.surfaceWidth <= kLargest &&
           a.surfaceHeight <= kLargest;
}

} // namespace

std::optional<PaperSize> paperSize(int index)
{
    if (index >= 0 && index < static_cast<int>(std::size(kPapers)))
        return kPapers[index];
    if (index == kTouchScreenItem)
        return PaperSize{"Touch Screen 1366x768 Pixels", 1366, 768, MeasureUnit::Pixels};
    return std::nullopt;
}

bool landscapeChecked(const AppSettings& settings)
{
    return settings.pageSize20Checked;
}

SurfacePixels pageSurface(const AppSettings& a)
{
    if (a.pageSizeCode == kPageSizeCustom && usableCustomSize(a))
        return {twipsToPixels(a.surfaceWidth), twipsToPixels(a.surfaceHeight)};
    std::optional<PaperSize> paper = paperSize(a.pageSizeCode);
    if (!paper)
        paper = paperSize(0);
    SurfacePixels size{toPixels(paper->width, paper->unit), toPixels(paper->height, paper->unit)};
    // The touch screen is a screen, wider than high either way: Landscape leaves it.
    if (a.pageSize20Checked && paper->unit != MeasureUnit::Pixels)
        std::swap(size.width, size.height);
    return size;
}

namespace {

// The custom page in pixels from the two boxes of the custom page dialog, in `unit`;
// nullopt for a size that is no page.
std::optional<std::pair<float, float>> customTwips(std::pair<double, double> boxes,
                                                   MeasureUnit unit)
{
    // The boxes are read as single-precision values.
    const double w = toPixels(static_cast<float>(boxes.first), unit);
    const double h = toPixels(static_cast<float>(boxes.second), unit);
    constexpr double kLargest = 32767; // pixels; positions are 16-bit on the canvas
    if (!(w >= 1 && h >= 1 && w <= kLargest && h <= kLargest))
        return std::nullopt;
    return std::make_pair(pixelsToTwips(static_cast<float>(w)),
                          pixelsToTwips(static_cast<float>(h)));
}

} // namespace

bool choosePageSize(Designer& d, int index, std::optional<std::pair<double, double>> custom)
{
    const AppSettings& a = d.document().settings;
    std::optional<std::pair<float, float>> size;
    if (custom)
        size = customTwips(*custom, d.canvas().unit);

    // The four settings that make the page.
    struct {
        int16_t pageSizeCode;
        bool pageSize20Checked;
        float surfaceWidth, surfaceHeight;
    } next{a.pageSizeCode, a.pageSize20Checked, a.surfaceWidth, a.surfaceHeight};
    if (index == kPortraitItem) {
        // Portrait re-applies the stored page upright; a custom page keeps the size it has
        // unless the dialog gave a new one.
        next.pageSize20Checked = false;
        if (a.pageSizeCode == kCustomPageItem && size) {
            next.surfaceWidth = size->first;
            next.surfaceHeight = size->second;
        }
    } else if (index == kLandscapeItem) {
        // Checking Landscape again leaves the page as it is: the check mark and the page
        // never disagree.
        if (a.pageSize20Checked)
            return false;
        next.pageSize20Checked = true;
        if (a.pageSizeCode == kCustomPageItem)
            std::swap(next.surfaceWidth, next.surfaceHeight);
    } else if (index == kCustomPageItem) {
        if (!size)
            return false;
        next.pageSizeCode = kCustomPageItem;
        next.surfaceWidth = size->first;
        next.surfaceHeight = size->second;
    } else if (paperSize(index)) {
        // Another paper keeps the orientation.
        next.pageSizeCode = static_cast<int16_t>(index);
    } else {
        return false;
    }
    if (next.pageSizeCode == a.pageSizeCode && next.pageSize20Checked == a.pageSize20Checked &&
        next.surfaceWidth == a.surfaceWidth && next.surfaceHeight == a.surfaceHeight)
        return false;
    d.change("Page Size", [&](DocumentEdit& e) {
        e.touchSettings();
        AppSettings& s = e.document().settings;
        s.pageSizeCode = next.pageSizeCode;
        s.pageSize20Checked = next.pageSize20Checked;
        s.surfaceWidth = next.surfaceWidth;
        s.surfaceHeight = next.surfaceHeight;
    });
    return true;
}

} // namespace qv
