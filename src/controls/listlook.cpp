#include "controls/listlook.h"

#include "controls/bevel.h"

#include <algorithm>
#include <QFontMetrics>
#include <QPainter>

namespace qv::gui {

ListColumnLayout layoutListColumns(const QFont& font, int columns, int visibleWidth)
{
    columns = std::clamp(columns, 1, kListColumns);
    ListColumnLayout layout;
    const int numberWidth = QFontMetrics(font).horizontalAdvance(QStringLiteral("WWWW")) + 15;
    int share = (visibleWidth - numberWidth) / columns;
    if (share < kListMinColumnWidth) {
        share = kListMinColumnWidth;
        layout.neededScroll = numberWidth + columns * share - visibleWidth;
    }
    for (int k = 0; k <= kListColumns; ++k)
        layout.starts[std::size_t(k)] = numberWidth + std::min(k, columns) * share;
    return layout;
}

QString fitListText(const QString& text, int columnWidth, int printedWidth)
{
    if (printedWidth <= columnWidth || printedWidth <= 0)
        return text;
    const qint64 kept = qint64(text.size()) * std::max(0, columnWidth - 20) / printedWidth;
    return text.left(qsizetype(kept));
}

namespace {

void paintHeader(QPainter& painter, const ListLook& look, QRect button, const QString& caption)
{
    if (button.width() <= 1)
        return;
    paintBevel(painter, button, true, QColor(0xF0, 0xF0, 0xF0));
    if (caption.isEmpty())
        return;
    painter.setPen(look.enabled ? QColor(Qt::black) : QColor(0x6D, 0x6D, 0x6D));
    painter.drawText(
        button.adjusted(3, 0, -3, 0), Qt::AlignCenter | Qt::TextSingleLine,
        QFontMetrics(painter.font()).elidedText(caption, Qt::ElideRight, button.width() - 6));
}

} // namespace

void paintListPlus(QPainter& painter, const ListLook& look, QRect surface)
{
    painter.save();
    painter.setClipRect(surface);
    painter.translate(surface.topLeft());
    const int width = surface.width();
    const int height = surface.height();
    const int columns = std::clamp(look.columns, 1, kListColumns);
    const int scroll = look.horizontalScroll;
    painter.fillRect(QRect(0, 0, width, height), look.backColor);

    QFont plain = look.font;
    plain.setBold(false);
    QFont bold = look.font;
    bold.setBold(true);
    const QColor ink = look.enabled ? look.foreColor : QColor(0x6D, 0x6D, 0x6D);
    const int rowHeight = std::max(1, look.rowHeight);
    const int highest = int(look.order.size()) - 1;

    int y = kListHeaderHeight;
    for (int p = std::max(0, look.firstPosition); p <= highest; ++p) {
        const int r = look.order[std::size_t(p)];
        if (r < 0 || r >= int(look.rows.size()))
            continue;
        const ListRow& row = look.rows[std::size_t(r)];
        const bool highlighted = row.selected || (r == look.currentRow && look.highlightCurrent);
        if (highlighted)
            painter.fillRect(QRect(0, y, width, kListHighlightHeight), QColor(0xFA, 0xFA, 0xFA));
        // Highlighted rows are drawn in bold, which is what makes them stand out.
        painter.setFont(highlighted ? bold : plain);
        const QFontMetrics metrics(painter.font());
        painter.setPen(ink);
        const int baseline = y + metrics.ascent();
        painter.drawText(QPoint(3 - scroll, baseline), QString::number(row.number));
        for (int k = 1; k <= columns; ++k) {
            const int start = look.starts[std::size_t(k - 1)];
            const int columnWidth = look.starts[std::size_t(k)] - start;
            const QString& text = row.columns[std::size_t(k - 1)];
            const QString shown = fitListText(text, columnWidth, metrics.horizontalAdvance(text));
            painter.save();
            painter.setClipRect(QRect(start - scroll, y, std::max(0, columnWidth), rowHeight),
                                Qt::IntersectClip);
            painter.drawText(QPoint(start - scroll + 3, baseline), shown);
            painter.restore();
        }
        y += rowHeight;
        if (y + rowHeight - kListHeaderHeight >= height)
            break;
    }

    painter.setPen(QColor(0xE0, 0xE0, 0xE0));
    for (int k = 0; k <= columns; ++k) {
        const int x = look.starts[std::size_t(k)] - scroll;
        painter.drawLine(x, 0, x, height - 1);
    }

    painter.setFont(plain);
    paintHeader(painter, look, QRect(-scroll, 0, look.starts[0], kListHeaderHeight),
                look.headers[0]);
    for (int k = 1; k <= columns; ++k) {
        const int start = look.starts[std::size_t(k - 1)];
        paintHeader(
            painter, look,
            QRect(start - scroll, 0, look.starts[std::size_t(k)] - start, kListHeaderHeight),
            look.headers[std::size_t(k)]);
    }

    switch (look.borderType) {
    case 1:
        painter.setPen(QColor(0x7A, 0x7A, 0x7A));
        painter.drawRect(0, 0, width - 1, height - 1);
        break;
    case 2:
        painter.setPen(QColor(0xA0, 0xA0, 0xA0));
        painter.drawLine(0, 0, width - 1, 0);
        painter.drawLine(0, 0, 0, height - 1);
        painter.setPen(QColor(0x69, 0x69, 0x69));
        painter.drawLine(1, 1, width - 1, 1);
        painter.drawLine(1, 1, 1, height - 1);
        break;
    default: break;
    }
    painter.restore();
}

} // namespace qv::gui
