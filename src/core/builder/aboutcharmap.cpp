#include "builder/aboutcharmap.h"

namespace qv {

namespace {

constexpr int kFirstRotated = 32;
constexpr int kRotatedCount = 256 - kFirstRotated;

uint8_t rotate(uint8_t byte, int by)
{
    if (byte < kFirstRotated)
        return byte;
    return static_cast<uint8_t>(kFirstRotated + (byte - kFirstRotated + by) % kRotatedCount);
}

std::string mapBytes(std::string_view bytes, int by)
{
    std::string result(bytes);
    for (char& c : result)
        c = static_cast<char>(rotate(static_cast<uint8_t>(c), by));
    return result;
}

} // namespace

uint8_t AboutCharOut(uint8_t byte)
{
    return rotate(byte, kAboutRotation);
}
uint8_t AboutCharIn(uint8_t byte)
{
    return rotate(byte, kRotatedCount - kAboutRotation);
}
std::string AboutTextOut(std::string_view bytes)
{
    return mapBytes(bytes, kAboutRotation);
}
std::string AboutTextIn(std::string_view bytes)
{
    return mapBytes(bytes, kRotatedCount - kAboutRotation);
}

} // namespace qv
