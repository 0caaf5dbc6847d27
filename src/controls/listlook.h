#pragma once

#include "controls/listrow.h"

#include <array>
#include <QColor>
#include <QFont>
#include <QRect>
#include <span>

class QPainter;

namespace qv::gui {

// Fixed measures of a ListPlus, in pixels.
inline constexpr int kListHeaderHeight = 17;    // the header buttons; rows start below
inline constexpr int kListHighlightHeight = 15; // the bar behind a highlighted row
inline constexpr int kListMinColumnWidth = 90;  // below this share the list scrolls sideways
inline constexpr int kListMinDragWidth = 40;    // a dragged column keeps at least this

// Column positions: start[0] is the right edge of the number column (the start of text
// column 1); start[k] the left edge of text column k + 1, so column k runs from
// start[k - 1] to start[k].
using ListColumnStarts = std::array<int, kListColumns + 1>;

struct ListColumnLayout {
    ListColumnStarts starts{};
    int neededScroll = 0; // how far the columns reach beyond the visible width
};

// The number column is as wide as "WWWW" plus 15; the rest of the visible width is shared
// equally by the shown columns, each at least kListMinColumnWidth wide.
ListColumnLayout layoutListColumns(const QFont& font, int columns, int visibleWidth);

// Everything needed to draw the surface of a ListPlus (header buttons, rows, grid), without
// its scroll bars.
struct ListLook {
    std::span<const ListRow> rows;
    std::span<const int> order; // the row shown at position p is rows[order[p]]
    int firstPosition = 0;      // the vertical scroll value
    int horizontalScroll = 0;
    int currentRow = -1;
    bool highlightCurrent = false;
    int columns = 1;
    ListColumnStarts starts{};
    std::array<QString, kListColumns + 1> headers; // 0 over the number column
    int rowHeight = 15;
    QFont font;
    QColor backColor = QColor(0xF0, 0xF0, 0xF0);
    QColor foreColor = Qt::black;
    int borderType = 1; // 0 none, 1 single line, 2 sunken edge
    bool enabled = true;
};

// The part of a column text drawn in a column of the given width: the whole text when it
// fits, otherwise its first length * (width - 20) / printed width characters.
QString fitListText(const QString& text, int columnWidth, int printedWidth);

void paintListPlus(QPainter& painter, const ListLook& look, QRect surface);

} // namespace qv::gui
