#include "examplebuilder.h"

#include "document/languagedefaults.h"
#include "document/languagetable.h"
#include "document/units.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace qv::examples {

namespace {

float tw(float pixels)
{
    return pixelsToTwips(pixels);
}

constexpr float kLabelWidth = 90;
constexpr float kFieldHeight = 22;

} // namespace

ExampleBuilder::ExampleBuilder(const std::filesystem::path& dataFolder, const std::string& title,
                               int width, int height)
{
    const LanguageLoad english = LanguageTable::read(dataFolder / "Languages" / "English.txt");
    if (!english.table)
        throw std::runtime_error(english.error);
    applyLanguageToDocument(doc_.settings, *english.table, "English");
    std::ifstream icon(dataFolder / "Icons" / "Default.ico", std::ios::binary);
    doc_.settings.iconBytes.assign(std::istreambuf_iterator<char>(icon),
                                   std::istreambuf_iterator<char>());
    doc_.settings.iconFilePath = "Default.ico";
    doc_.settings.windowTitle = title;
    doc_.settings.pageSizeCode = kPageSizeCustom;
    doc_.settings.surfaceWidth = tw(static_cast<float>(width));
    doc_.settings.surfaceHeight = tw(static_cast<float>(height));
    doc_.settings.dataFileExtension = "csv";
}

Title& ExampleBuilder::title(const std::string& caption, float x, float y, float size, bool bold,
                             int32_t colour)
{
    Title& t = doc_.titles[doc_.titles.append()];
    t.caption = caption;
    t.left = tw(x);
    t.top = tw(y);
    t.page = static_cast<int16_t>(page_);
    t.fontSize = size;
    t.fontBold = bold;
    t.foreColor = colour;
    return t;
}

Field& ExampleBuilder::field(const std::string& label, const std::string& name, float x, float y,
                             float width, int length)
{
    if (!label.empty())
        title(label, x, y + 4);
    Field& f = doc_.fields[doc_.fields.append()];
    f.tag = name;
    f.left = tw(x + kLabelWidth);
    f.top = tw(y);
    f.width = tw(width);
    f.height = tw(kFieldHeight);
    f.maxLength = length;
    f.page = static_cast<int16_t>(page_);
    f.appearance = 1;
    f.borderStyle = 1;
    f.caseRule = 3; // "Plain": kept as typed
    f.tabOrder = static_cast<int16_t>(doc_.fields.highWater());
    return f;
}

Notes& ExampleBuilder::notes(const std::string& label, const std::string& name, float x, float y,
                             float width, float height, int length)
{
    title(label, x, y + 4);
    Notes& n = doc_.notes[doc_.notes.append()];
    n.tag = name;
    n.left = tw(x + kLabelWidth);
    n.top = tw(y);
    n.width = tw(width);
    n.height = tw(height);
    n.maxLength = length;
    n.page = static_cast<int16_t>(page_);
    n.appearance = 1;
    n.borderStyle = 1;
    return n;
}

Combo& ExampleBuilder::combo(const std::string& label, const std::string& name, float x, float y,
                             float width, std::vector<std::string> items)
{
    if (!label.empty())
        title(label, x, y + 4);
    Combo& c = doc_.combos[doc_.combos.append()];
    c.tag = name;
    c.listItems = std::move(items);
    c.left = tw(x + kLabelWidth);
    c.top = tw(y);
    c.width = tw(width);
    c.maxLength = 30;
    c.page = page_;
    return c;
}

Checkbox& ExampleBuilder::checkbox(const std::string& caption, const std::string& name, float x,
                                   float y)
{
    Checkbox& c = doc_.checkboxes[doc_.checkboxes.append()];
    c.tag = name;
    c.left = tw(x);
    c.top = tw(y);
    c.page = static_cast<int16_t>(page_);
    title(caption, x + 22, y + 1);
    return c;
}

Square& ExampleBuilder::box(float x, float y, float width, float height, int32_t fill,
                            int32_t border, int16_t shape)
{
    Square& s = doc_.squares[doc_.squares.append()];
    s.left = tw(x);
    s.top = tw(y);
    s.width = tw(width);
    s.height = tw(height);
    s.fillColor = fill;
    s.borderColor = border;
    s.fillStyle = 0;
    s.shape = shape;
    s.page = static_cast<int16_t>(page_);
    return s;
}

Line& ExampleBuilder::rule(float x1, float y1, float x2, float y2, int32_t colour)
{
    Line& l = doc_.lines[doc_.lines.append()];
    l.x1 = tw(x1);
    l.y1 = tw(y1);
    l.x2 = tw(x2);
    l.y2 = tw(y2);
    l.borderColor = colour;
    l.page = static_cast<int16_t>(page_);
    return l;
}

Button& ExampleBuilder::button(const std::string& caption, const std::string& action, float x,
                               float y, float width)
{
    Button& b = doc_.buttons[doc_.buttons.append()];
    b.caption = caption;
    b.tag = action; // the "URL / Path / Command" box; the script box stays empty
    b.left = tw(x);
    b.top = tw(y);
    b.width = tw(width);
    b.height = tw(30);
    b.page = static_cast<int16_t>(page_);
    return b;
}

Picture& ExampleBuilder::picture(const std::string& name, std::vector<uint8_t> bytes, float x,
                                 float y, float width, float height)
{
    Picture& p = doc_.pictures[doc_.pictures.append()];
    p.displayPath = name;
    p.storedFileName = name;
    p.imageBytes = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    p.left = tw(x);
    p.top = tw(y);
    p.width = tw(width);
    p.height = tw(height);
    p.page = static_cast<int16_t>(page_);
    return p;
}

std::vector<uint8_t> portraitBitmap(int size)
{
    const int rowBytes = (size * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes * size);
    std::vector<uint8_t> bmp;
    auto put = [&bmp](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            bmp.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    bmp.push_back('B');
    bmp.push_back('M');
    put(54 + pixelBytes, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<uint32_t>(size), 4);
    put(static_cast<uint32_t>(size), 4); // bottom-up rows
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(pixelBytes, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    const double s = size;
    for (int row = 0; row < size; ++row) {
        const double y = s - 1 - row; // from the top
        for (int x = 0; x < size; ++x) {
            const double headX = x - s / 2;
            const double headY = y - s * 0.38;
            const bool head = headX * headX + headY * headY < (s * 0.2) * (s * 0.2);
            const double bodyX = (x - s / 2) / (s * 0.42);
            const double bodyY = (y - s * 1.02) / (s * 0.42);
            const bool body = bodyX * bodyX + bodyY * bodyY < 1.0;
            // blue-grey figure on a pale blue ground; BMP stores blue, green, red
            const uint8_t shade = static_cast<uint8_t>(200 + 40 * y / s);
            if (head || body) {
                bmp.insert(bmp.end(), {0x8a, 0x6e, 0x5a});
            } else {
                bmp.insert(bmp.end(), {0xf5, shade, static_cast<uint8_t>(shade - 10)});
            }
        }
        for (int pad = size * 3; pad < rowBytes; ++pad)
            bmp.push_back(0);
    }
    return bmp;
}

} // namespace qv::examples
