#include "runtimeimage.h"

#include <array>
#include <cstdint>

namespace qv::runtime {

namespace {

constexpr size_t kColourBytes = 512;
constexpr size_t kIconBytes = 640;
constexpr int kIconSide = 32;

// The icon area: the colour bitmap filled with colour 9 (the marker the builder looks
// for), then an all-opaque mask.
constexpr std::array<uint8_t, kIconBytes> makeIconArea()
{
    std::array<uint8_t, kIconBytes> area{};
    for (size_t i = 0; i < kColourBytes; ++i)
        area[i] = 0x99;
    return area;
}

// Kept in the file as they stand; the builder finds them by their contents.
[[gnu::used]] alignas(16) const std::array<uint8_t, kIconBytes> kIconArea = makeIconArea();
[[gnu::used]] const char16_t kCompanyName[41] = u"#QVCOMPANYNAME##########################";
[[gnu::used]] const char16_t kFileDescription[41] = u"#QVFILEDESCRIP##########################";
[[gnu::used]] const char16_t kLegalCopyright[41] = u"#QVLEGALCOPYRT##########################";
[[gnu::used]] const char16_t kLegalTrademarks[41] = u"#QVLEGALTRADEM##########################";
[[gnu::used]] const char16_t kProductName[41] = u"#QVPRODUCTNAME##########################";
[[gnu::used]] const char16_t kOriginalFilename[16] = u"Application.exe";

// Hides the constant's contents from the optimiser, so that reads go to the (patched)
// bytes in memory rather than to values folded in at compile time.
template <class T> const T* launder(const T* pointer)
{
    asm volatile("" : "+r"(pointer));
    return pointer;
}

QString textOf(const char16_t* placeholder, int capacity)
{
    const char16_t* p = launder(placeholder);
    int length = 0;
    while (length < capacity && p[length] != 0)
        ++length;
    const QString text = QString::fromUtf16(p, length);
    // An unpatched placeholder stands for "not set".
    return text.startsWith(QStringLiteral("#QV")) ? QString() : text;
}

// The standard 16-colour palette of 4-bit icons.
constexpr std::array<QRgb, 16> kPalette{
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

} // namespace

VersionTexts versionTexts()
{
    return {textOf(kCompanyName, 40),    textOf(kFileDescription, 40),
            textOf(kLegalCopyright, 40), textOf(kLegalTrademarks, 40),
            textOf(kProductName, 40),    textOf(kOriginalFilename, 15)};
}

bool iconIsMarker()
{
    const uint8_t* area = launder(kIconArea.data());
    for (size_t i = 0; i < kColourBytes; ++i) {
        if (area[i] != 0x99)
            return false;
    }
    return true;
}

QImage applicationIcon()
{
    const uint8_t* area = launder(kIconArea.data());
    QImage image(kIconSide, kIconSide, QImage::Format_ARGB32);
    constexpr int colourRow = kIconSide / 2; // two pixels per byte
    constexpr int maskRow = kIconSide / 8;   // eight pixels per byte
    for (int y = 0; y < kIconSide; ++y) {
        const int row = kIconSide - 1 - y; // bottom-up
        for (int x = 0; x < kIconSide; ++x) {
            const uint8_t pair = area[row * colourRow + x / 2];
            const int index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
            const uint8_t mask = area[kColourBytes + row * maskRow + x / 8];
            const bool transparent = (mask >> (7 - x % 8)) & 1;
            image.setPixel(x, y,
                           transparent ? qRgba(0, 0, 0, 0) : kPalette[static_cast<size_t>(index)]);
        }
    }
    return image;
}

} // namespace qv::runtime
