#include "controls/olecolor.h"

#include <array>

namespace qv::gui {

namespace {

// Fixed values for the system colours, so that the canvas, a dialog and the built
// application draw a control alike whatever desktop theme the designer runs under.
constexpr std::array<QRgb, 25> kSystemColors = {
    0xFFC8C8C8, // 0 scroll bar
    0xFF3A6EA5, // 1 desktop
    0xFF0A246A, // 2 active caption
    0xFF808080, // 3 inactive caption
    0xFFF0F0F0, // 4 menu
    0xFFFFFFFF, // 5 window
    0xFF646464, // 6 window frame
    0xFF000000, // 7 menu text
    0xFF000000, // 8 window text
    0xFFFFFFFF, // 9 caption text
    0xFFB4B4B4, // 10 active border
    0xFFF4F7FC, // 11 inactive border
    0xFFABABAB, // 12 application workspace
    0xFF3399FF, // 13 highlight
    0xFFFFFFFF, // 14 highlight text
    0xFFF0F0F0, // 15 button face
    0xFFA0A0A0, // 16 button shadow
    0xFF6D6D6D, // 17 grey text
    0xFF000000, // 18 button text
    0xFF434E54, // 19 inactive caption text
    0xFFFFFFFF, // 20 button highlight
    0xFF696969, // 21 3D dark shadow
    0xFFE3E3E3, // 22 3D light
    0xFF000000, // 23 tool tip text
    0xFFFFFFE1, // 24 tool tip background
};

} // namespace

QColor colorFromOle(std::uint32_t ole)
{
    if (ole & 0x80000000u) {
        const std::uint32_t index = ole & 0xFFu;
        return QColor::fromRgb(index < kSystemColors.size() ? kSystemColors[index] : 0xFF000000);
    }
    return QColor(int(ole & 0xFFu), int((ole >> 8) & 0xFFu), int((ole >> 16) & 0xFFu));
}

std::uint32_t oleFromColor(const QColor& color)
{
    return std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8) |
           (std::uint32_t(color.blue()) << 16);
}

} // namespace qv::gui
