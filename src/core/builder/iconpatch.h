#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace qv {

// An application icon is a 16-colour 32 x 32 icon file. Its pixel data (the 512-byte
// colour bitmap and the 128-byte mask) starts at byte 126: 6-byte file header, 16-byte
// directory entry, 40-byte bitmap header, 64-byte palette.
inline constexpr size_t kIconPixelOffset = 126;
inline constexpr size_t kIconPixelBytes = 640;
inline constexpr size_t kIconColourBytes = 512;
inline constexpr size_t kIconFileSize = kIconPixelOffset + kIconPixelBytes;
// A runtime image carries each icon image to be replaced as 512 bytes of this value; a run
// of kIconMarkerLength of them marks the place.
inline constexpr uint8_t kIconMarkerByte = 0x99;
inline constexpr size_t kIconMarkerLength = 11;

inline constexpr std::string_view kIconRefusedMessage =
    "Icon does not meet Certain Windows Standards, 16 Color by 32x32 Pixel Size";

// The Create Application dialog's check of an icon file's header: type 1, width and height
// 32, colour count 16 (with a zero reserved byte).
bool IconHeaderAccepted(std::span<const uint8_t> bytes);

// The stricter check made before patching: the header is accepted and the file really holds
// a 4-bit 32 x 32 bitmap with its pixel data at byte 126. Anything else would copy bytes
// that are not an icon image over the runtime.
bool IconPatchable(std::span<const uint8_t> bytes);

// Copies the icon's 640 pixel bytes over every marker run of `image`. After a copy the scan
// goes on behind the copied bytes (an icon whose own pixels are a marker run would otherwise
// be copied again one byte further, on and on through the runtime). Returns the number of
// places patched; 0 and no change when the icon is not patchable.
int PatchIcon(std::vector<uint8_t>& image, std::span<const uint8_t> iconBytes);

} // namespace qv
