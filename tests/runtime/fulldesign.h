#pragma once

#include "document/projectdocument.h"
#include "document/units.h"

#include <memory>
#include <string>
#include <vector>

namespace qv::test {

// A design with every kind of object at its limit, for measuring how the built
// application starts. The objects are spread over the five pages in a grid (object k of a
// kind on page k % 5), or all put on the first page with `onePage`.
inline ProjectDocument fullDesign(bool onePage)
{
    ProjectDocument d;
    AppSettings& s = d.settings;
    s.windowTitle = "Every kind at its limit";
    s.pageSizeCode = kPageSizeCustom;
    s.surfaceWidth = pixelsToTwips(1000);
    s.surfaceHeight = pixelsToTwips(700);
    int kindRow = 0;
    auto place = [&](auto& table, auto fill) {
        const int row = kindRow++;
        while (!table.full()) {
            const int i = table.append();
            const int k = i - table.firstIndex();
            auto& o = table[i];
            o.page = static_cast<int16_t>(onePage ? 0 : k % kPageCount);
            const int cell = onePage ? k : k / kPageCount;
            const float x = pixelsToTwips(static_cast<float>((cell % 40) * 24 + row));
            const float y = pixelsToTwips(static_cast<float>((cell / 40) * 7 + row * 2));
            fill(o, i, x, y);
        }
    };
    auto bytes = std::make_shared<const std::vector<uint8_t>>(64, uint8_t{7});
    place(d.titles, [](Title& t, int i, float x, float y) {
        t.caption = "Label " + std::to_string(i);
        t.left = x;
        t.top = y;
    });
    place(d.fields, [](Field& f, int i, float x, float y) {
        f.left = x;
        f.top = y;
        f.width = pixelsToTwips(60);
        f.height = pixelsToTwips(20);
        f.maxLength = 20;
        f.caseRule = 3;
        f.tag = "Field" + std::to_string(i);
        if (i % 10 == 0)
            f.fieldFormula = "F" + std::to_string(i - 1) + "+1";
    });
    place(d.notes, [](Notes& n, int i, float x, float y) {
        n.left = x;
        n.top = y;
        n.width = pixelsToTwips(80);
        n.height = pixelsToTwips(40);
        n.maxLength = 200;
        n.tag = "Notes" + std::to_string(i);
    });
    place(d.combos, [](Combo& c, int i, float x, float y) {
        c.left = x;
        c.top = y;
        c.maxLength = 20;
        c.tag = "Combo" + std::to_string(i);
        c.listItems = {"One", "Two", "Three"};
    });
    place(d.pictures, [&](Picture& p, int, float x, float y) {
        p.left = x;
        p.top = y;
        p.storedFileName = "picture.png";
        p.imageBytes = bytes;
    });
    place(d.checkboxes, [](Checkbox& c, int i, float x, float y) {
        c.left = x;
        c.top = y;
        c.tag = "Check" + std::to_string(i);
    });
    place(d.squares, [](Square& q, int, float x, float y) {
        q.left = x;
        q.top = y;
        q.width = pixelsToTwips(30);
        q.height = pixelsToTwips(20);
    });
    place(d.lines, [](Line& l, int, float x, float y) {
        l.x1 = x;
        l.y1 = y;
        l.x2 = x + pixelsToTwips(30);
        l.y2 = y;
    });
    place(d.buttons, [](Button& b, int, float x, float y) {
        b.caption = "Go";
        b.left = x;
        b.top = y;
    });
    place(d.scripts, [](Script& w, int, float x, float y) {
        w.tag = "<p>web</p>";
        w.left = x;
        w.top = y;
    });
    return d;
}

} // namespace qv::test
