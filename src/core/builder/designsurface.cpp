#include "builder/designsurface.h"

#include "document/units.h"

#include <array>
#include <utility>

namespace qv {

namespace {

constexpr float kTwipsPerInch = 1440.0f;
constexpr float kTwipsPerMillimetre = 1440.0f / 25.4f;

struct Paper {
    float width;
    float height;
    bool millimetres;
};

// Entries 0..17 of the page-size menu.
constexpr std::array<Paper, 18> kPapers{{
    {8.5f, 11, false},   {11, 17, false},    {17, 11, false},   {8.5f, 14, false},
    {5.5f, 8.5f, false}, {7.5f, 10.5f, false}, {8.5f, 11, false}, {8.5f, 13, false},
    {14.875f, 11, false}, {8.5f, 12, false}, {8.5f, 13, false}, {297, 420, true},
    {210, 297, true},    {148, 210, true},   {105, 148, true},  {250, 354, true},
    {182, 257, true},    {215, 275, true},
}};

constexpr int kTouchScreen = 23;

}  // namespace

SurfaceSize DesignSurfaceSize(const AppSettings& settings)
{
    SurfaceSize size;
    const int code = settings.pageSizeCode;
    if (code == kPageSizeCustom && settings.surfaceWidth > 0 && settings.surfaceHeight > 0) {
        size = {settings.surfaceWidth, settings.surfaceHeight};
    } else if (code == kTouchScreen) {
        size = {pixelsToTwips(1366), pixelsToTwips(768)};
    } else {
        const Paper& paper = code >= 0 && code < static_cast<int>(kPapers.size())
                                 ? kPapers[static_cast<size_t>(code)]
                                 : kPapers[0];
        const float unit = paper.millimetres ? kTwipsPerMillimetre : kTwipsPerInch;
        size = {paper.width * unit, paper.height * unit};
    }
    if (settings.pageSize20Checked && code != kPageSizeCustom && code != kTouchScreen)
        std::swap(size.width, size.height);
    return size;
}

}  // namespace qv
