#pragma once

#include "builder/iconpatch.h"
#include "builder/replacebin.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace qv::test {

// Offsets of what a runtime image carries, in the image that fakeRuntime() makes.
inline constexpr size_t kFakeIconAt = 3000;
inline constexpr size_t kFakeCompanyAt = 5001; // odd on purpose: any offset is found
inline constexpr size_t kFakeOriginalAt = 6000;
inline constexpr size_t kFakeRuntimeSize = 8192;

inline void putUtf16(std::vector<uint8_t>& image, size_t at, std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        image[at + 2 * i] = static_cast<uint8_t>(text[i]);
        image[at + 2 * i + 1] = 0;
    }
}

// A stand-in for the runtime image: varied bytes (so that key bytes differ), the icon area
// and the version placeholders where a real runtime has them.
inline std::vector<uint8_t> fakeRuntime()
{
    std::vector<uint8_t> image(kFakeRuntimeSize);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>((i * 37 + 11) % 251);
    for (size_t i = 0; i < kIconColourBytes; ++i)
        image[kFakeIconAt + i] = kIconMarkerByte;
    putUtf16(image, kFakeCompanyAt, kCompanyNamePlaceholder);
    putUtf16(image, kFakeCompanyAt + 100, kFileDescriptionPlaceholder);
    putUtf16(image, kFakeCompanyAt + 200, kLegalCopyrightPlaceholder);
    putUtf16(image, kFakeCompanyAt + 300, kLegalTrademarksPlaceholder);
    putUtf16(image, kFakeCompanyAt + 400, kProductNamePlaceholder);
    putUtf16(image, kFakeOriginalAt, kOriginalFilenamePlaceholder);
    return image;
}

// A valid single-image 16-colour 32 x 32 icon whose pixels are all colour `colour`.
inline std::vector<uint8_t> sixteenColourIcon(uint8_t colour)
{
    std::vector<uint8_t> icon(kIconFileSize, 0);
    auto put16 = [&](size_t at, uint32_t v) {
        icon[at] = static_cast<uint8_t>(v);
        icon[at + 1] = static_cast<uint8_t>(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    put16(2, 1);
    put16(4, 1);
    icon[6] = 32;
    icon[7] = 32;
    icon[8] = 16;
    put16(10, 1);
    put16(12, 4);
    put32(14, 40 + 64 + 640);
    put32(18, 22);
    put32(22, 40);
    put32(26, 32);
    put32(30, 64);
    put16(34, 1);
    put16(36, 4);
    for (size_t i = 0; i < kIconColourBytes; ++i)
        icon[kIconPixelOffset + i] = static_cast<uint8_t>(colour << 4 | colour);
    return icon;
}

} // namespace qv::test
