#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace qv {

// The string record of a built application's data block: a 2-byte signed length word
// L + K, then the L bytes of the text in the document's code page. K is a key byte taken
// from the application's own executable: the key cursor starts at kFirstKeyPos when the
// block is started and moves 2 on before every KeyStr, so the first text uses the byte at
// 1-based position 102 (0-based offset 101), the second the byte at 104, and so on.
inline constexpr int64_t kFirstKeyPos = 100;
inline constexpr int64_t kKeyPosStep = 2;

// The length word of a text of `length` bytes under key byte `key`; nothing when the sum
// passes 32767, which the 16-bit word cannot hold.
std::optional<int16_t> KeyStrLengthWord(size_t length, uint8_t key);

// The key byte at a 1-based position of a file's bytes; 0 beyond the end (what reading
// past the end of a file gives).
uint8_t KeyByteAt(std::span<const uint8_t> file, int64_t keyPos);

} // namespace qv
