#include "builder/keystr.h"

#include "document/varslot.h"

namespace qv {

std::optional<int16_t> KeyStrLengthWord(size_t length, uint8_t key)
{
    const size_t sum = length + key;
    if (sum > static_cast<size_t>(kMaxStrLength))
        return std::nullopt;
    return static_cast<int16_t>(sum);
}

uint8_t KeyByteAt(std::span<const uint8_t> file, int64_t keyPos)
{
    if (keyPos < 1 || keyPos > static_cast<int64_t>(file.size()))
        return 0;
    return file[static_cast<size_t>(keyPos - 1)];
}

} // namespace qv
