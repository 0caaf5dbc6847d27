#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// The character substitution that the About text passes through on its way into a built
// application, after the markup encoder and the code-page conversion; the runtime undoes it
// before drawing the text. It is a one-to-one map of byte values:
//
//   bytes 0..31 (the markup codes, carriage return) map to themselves;
//   bytes 32..255 rotate by 97 within that range: b -> 32 + (b - 32 + 97) mod 224.
//
// So no printable character of the About text reads as itself in the executable, while the
// control codes that the help viewer interprets stay where they are.
inline constexpr int kAboutRotation = 97;

uint8_t AboutCharOut(uint8_t byte);
uint8_t AboutCharIn(uint8_t byte);
std::string AboutTextOut(std::string_view bytes);
std::string AboutTextIn(std::string_view bytes);

} // namespace qv
