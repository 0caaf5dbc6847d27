#include "controls/scrollgeometry.h"

#include <algorithm>
#include <cstdint>

namespace qv::gui {

namespace {
constexpr int kMinThumb = 11;
// Room the arrows and the thumb's drawn margin take from the bar, next to the thumb.
constexpr int kFixedRoom = 2 * kScrollArrow + kThumbMargin;
} // namespace

int scrollThumbLength(int barLength, int valueMin, int valueMax, int largeChange)
{
    const int track = barLength - 2 * kScrollArrow;
    const int longest = std::max(kMinThumb, track - kThumbMargin);
    const std::int64_t range = std::int64_t(valueMax) - valueMin;
    if (range <= 0)
        return longest;
    const std::int64_t large = std::max(1, largeChange);
    const std::int64_t drawn = std::int64_t(std::max(0, track)) * large / (range + large);
    return int(std::clamp<std::int64_t>(drawn - kThumbMargin, kMinThumb, longest));
}

int scrollTravel(int barLength, int thumbLength)
{
    return std::max(0, barLength - thumbLength - kFixedRoom);
}

int clampScrollValue(int value, int valueMin, int valueMax)
{
    if (value > valueMax)
        value = valueMax;
    if (value < valueMin)
        value = valueMin;
    return value;
}

int scrollThumbPosition(int barLength, int thumbLength, int value, int valueMin, int valueMax)
{
    const int travel = scrollTravel(barLength, thumbLength);
    const std::int64_t range = std::int64_t(valueMax) - valueMin;
    if (range <= 0 || travel == 0)
        return kScrollArrow;
    const std::int64_t offset = std::clamp<std::int64_t>(std::int64_t(value) - valueMin, 0, range);
    return kScrollArrow + int(offset * travel / range);
}

int scrollValueAt(int barLength, int thumbLength, int position, int valueMin, int valueMax)
{
    const int travel = scrollTravel(barLength, thumbLength);
    const std::int64_t range = std::int64_t(valueMax) - valueMin;
    if (range <= 0 || travel == 0)
        return valueMin;
    const std::int64_t moved = std::clamp(position - kScrollArrow, 0, travel);
    return clampScrollValue(int(valueMin + moved * range / travel), valueMin, valueMax);
}

} // namespace qv::gui
