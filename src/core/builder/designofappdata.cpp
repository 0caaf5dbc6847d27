#include "builder/designofappdata.h"

#include <algorithm>
#include <memory>

namespace qv {

namespace {

// Kinds indexed from 0 hold index i at element i; the others hold index i at element i - 1.
template <class T, class Source, class Take>
void fill(ObjectTable<T>& table, const std::vector<Source>& items, Take take)
{
    if (items.empty())
        return;
    const int first = table.firstIndex();
    const int highest =
        std::min<int>(first + static_cast<int>(items.size()) - 1, table.highestIndex());
    table.setHighWater(highest);
    for (int i = first; i <= highest; ++i)
        table[i] = take(items[static_cast<size_t>(i - first)], i - first);
}

} // namespace

ProjectDocument DesignOfAppData(const AppData& data)
{
    ProjectDocument d;
    fill(d.squares, data.squares, [](const Square& s, size_t) { return s; });
    fill(d.lines, data.lines, [](const Line& l, size_t) { return l; });
    fill(d.pictures, data.pictures, [](const BlockPicture& b, size_t) {
        Picture p = b.picture;
        if (!b.bytes.empty())
            p.imageBytes = std::make_shared<const std::vector<uint8_t>>(b.bytes);
        p.storedFileName = b.fileName;
        return p;
    });
    fill(d.titles, data.titles, [](const Title& t, size_t) { return t; });
    fill(d.fields, data.fields, [&](const BlockField& b, size_t at) {
        Field f = b.field;
        if (at < data.fieldFormulas.size())
            f.fieldFormula = data.fieldFormulas[at];
        if (at < data.fieldTexts.size())
            f.text = data.fieldTexts[at];
        if (at < data.fieldDateOffsets.size())
            f.dateOffsetDays = data.fieldDateOffsets[at];
        return f;
    });
    fill(d.combos, data.combos, [](const Combo& c, size_t) { return c; });
    fill(d.notes, data.notes, [](const BlockNotes& b, size_t) { return b.notes; });
    fill(d.checkboxes, data.checkboxes, [](const Checkbox& c, size_t) { return c; });
    fill(d.buttons, data.buttons, [](const Button& b, size_t) { return b; });
    fill(d.scripts, data.scripts, [](const BlockScript& b, size_t) {
        Script s;
        s.page = b.page;
        s.tag = b.fragment;
        s.width = 0;
        s.height = 0;
        return s;
    });

    AppSettings& s = d.settings;
    s.windowTitle = data.windowTitle;
    s.pageSizeCode = kPageSizeCustom;
    s.surfaceWidth = data.surfaceWidth;
    s.surfaceHeight = data.surfaceHeight;
    s.pageSize20Checked = data.landscape;
    s.defaultFontName = data.defaultFontName;
    s.defaultCharset = data.defaultCharset;
    s.menuCaptions = data.menuCaptions;
    s.statisticsCaption = data.statisticsCaption;
    s.deleteRecordMenuCaption = data.deleteRecordMenuCaption;
    s.replaceMenuCaption = data.replaceMenuCaption;
    s.functionKeyTexts = data.functionKeyTexts;
    s.filePlates = data.filePlates;
    s.viewDocumentCaptions = data.viewDocumentCaptions;
    s.optionalPrograms = data.optionalPrograms;
    s.pageButtonCaptions = data.pageButtonCaptions;
    s.calendarOption = data.calendarOption;
    s.exportOption = data.exportOption;
    s.csvDelimiter = data.csvDelimiter;
    s.dataFileExtension = data.exportExtension;
    s.colourTable = data.colourTable;
    s.sizable = data.sizable;
    return d;
}

} // namespace qv
