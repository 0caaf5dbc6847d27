#pragma once

#include <cstdint>
#include <QColor>

namespace qv::gui {

// Colours are stored as the designed application stores them: a 32-bit number with red in
// the low byte, then green, then blue (&HBBGGRR). Numbers with the top bit set name a
// system colour by index (&H8000000F is the button face).
QColor colorFromOle(std::uint32_t ole);
std::uint32_t oleFromColor(const QColor& color);

// The system colours the controls use as defaults.
inline constexpr std::uint32_t kOleButtonFace = 0x8000000Fu;
inline constexpr std::uint32_t kOleButtonText = 0x80000012u;
inline constexpr std::uint32_t kOleWindow = 0x80000005u;
inline constexpr std::uint32_t kOleWindowText = 0x80000008u;

} // namespace qv::gui
