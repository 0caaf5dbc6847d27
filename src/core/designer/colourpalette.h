#pragma once

#include <array>
#include <cstdint>

namespace qv {

// The designer's list of 96 colours that its palettes offer (the line properties window
// shows 20 of them at a time), as 0x00BBGGRR values: every mix of four red, four green and
// six blue levels, in that order.
inline constexpr int kPaletteSize = 96;

constexpr std::array<int32_t, kPaletteSize> designerPalette()
{
    std::array<int32_t, kPaletteSize> colours{};
    for (int i = 0; i < kPaletteSize; ++i) {
        const int red = (i / 24) % 4 * 85;
        const int green = (i / 6) % 4 * 85;
        const int blue = i % 6 * 51;
        colours[static_cast<size_t>(i)] = red | (green << 8) | (blue << 16);
    }
    return colours;
}

} // namespace qv
