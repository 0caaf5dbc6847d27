#include "builder/iconpatch.h"

#include <algorithm>
#include <cstddef>

namespace qv {

namespace {

uint32_t word16(std::span<const uint8_t> b, size_t at)
{
    return b[at] | (b[at + 1] << 8);
}
uint32_t word32(std::span<const uint8_t> b, size_t at)
{
    return word16(b, at) | (word16(b, at + 2) << 16);
}

} // namespace

bool IconHeaderAccepted(std::span<const uint8_t> bytes)
{
    if (bytes.size() < 10)
        return false;
    return word16(bytes, 2) == 1 && bytes[6] == 32 && bytes[7] == 32 && word16(bytes, 8) == 16;
}

bool IconPatchable(std::span<const uint8_t> bytes)
{
    if (!IconHeaderAccepted(bytes) || bytes.size() < kIconFileSize)
        return false;
    constexpr size_t kBitmap = 22;
    const uint32_t imageOffset = word32(bytes, 18);
    const uint32_t headerSize = word32(bytes, kBitmap);
    const uint32_t width = word32(bytes, kBitmap + 4);
    const uint32_t bitCount = word16(bytes, kBitmap + 14);
    return imageOffset == kBitmap && headerSize == 40 && width == 32 && bitCount == 4;
}

int PatchIcon(std::vector<uint8_t>& image, std::span<const uint8_t> iconBytes)
{
    if (!IconPatchable(iconBytes) || image.size() < kIconPixelBytes)
        return 0;
    const auto pixels = iconBytes.subspan(kIconPixelOffset, kIconPixelBytes);
    int patched = 0;
    size_t i = 0;
    while (i + kIconMarkerLength <= image.size()) {
        const bool marker =
            std::all_of(image.begin() + static_cast<ptrdiff_t>(i),
                        image.begin() + static_cast<ptrdiff_t>(i + kIconMarkerLength),
                        [](uint8_t b) { return b == kIconMarkerByte; });
        if (!marker || i + kIconPixelBytes > image.size()) {
            ++i;
            continue;
        }
        std::copy(pixels.begin(), pixels.end(), image.begin() + static_cast<ptrdiff_t>(i));
        ++patched;
        i += kIconPixelBytes;
    }
    return patched;
}

} // namespace qv
