#pragma once

namespace qv {

// Files store positions and sizes in twips (1/1440 inch) as single-precision values; the
// designer works in pixels at 96 dpi.
inline constexpr float kTwipsPerPixel = 15.0f;

constexpr float twipsToPixels(float twips)
{
    return twips / kTwipsPerPixel;
}
constexpr float pixelsToTwips(float pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace qv
