#include "controls/scrollbarlook.h"

#include "controls/bevel.h"
#include "controls/scrollgeometry.h"

#include <algorithm>
#include <QPainter>
#include <QPolygon>

namespace qv::gui {

namespace {

const QColor kFace(0xF0, 0xF0, 0xF0);

// Lays a span along the bar's long axis out as a rectangle of the bar.
QRect alongBar(const ScrollBarLook& look, QRect bar, int start, int length)
{
    if (look.orientation == Qt::Horizontal)
        return QRect(bar.left() + start, bar.top(), length, bar.height());
    return QRect(bar.left(), bar.top() + start, bar.width(), length);
}

void paintThumbPattern(QPainter& painter, const ScrollBarLook& look, QRect thumb)
{
    const QColor dark(0x80, 0x80, 0x80);
    const QPoint c = thumb.center();
    const bool horizontal = look.orientation == Qt::Horizontal;
    const int half = std::max(2, (horizontal ? thumb.height() : thumb.width()) / 2 - 4);
    if (look.pattern == 1) {
        for (int i = -3; i <= 3; i += 3) {
            painter.setPen(Qt::white);
            if (horizontal)
                painter.drawLine(c.x() + i, c.y() - half, c.x() + i, c.y() + half);
            else
                painter.drawLine(c.x() - half, c.y() + i, c.x() + half, c.y() + i);
            painter.setPen(dark);
            if (horizontal)
                painter.drawLine(c.x() + i + 1, c.y() - half, c.x() + i + 1, c.y() + half);
            else
                painter.drawLine(c.x() - half, c.y() + i + 1, c.x() + half, c.y() + i + 1);
        }
    } else if (look.pattern == 2) {
        painter.setPen(dark);
        for (int y = thumb.top() + 4; y < thumb.bottom() - 2; y += 2)
            for (int x = thumb.left() + 4 + (y % 4 == 0 ? 1 : 0); x < thumb.right() - 2; x += 2)
                painter.drawPoint(x, y);
    }
}

} // namespace

void paintScrollBar(QPainter& painter, const ScrollBarLook& look, QRect rect)
{
    if (rect.isEmpty())
        return;
    painter.save();
    const bool horizontal = look.orientation == Qt::Horizontal;
    const QRect bar(QPoint(0, 0), rect.size());
    painter.translate(rect.topLeft());
    const int length = horizontal ? bar.width() : bar.height();
    const int arrow = std::min(kScrollArrow, length / 2);

    painter.fillRect(bar, look.backColor);
    if (look.wedge) {
        // The track rises from the low end to the high end.
        QPolygon wedge;
        const QRect track = alongBar(look, bar, arrow, length - 2 * arrow).adjusted(2, 3, -2, -3);
        wedge << track.bottomLeft() << track.bottomRight() << track.topRight();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(look.backColor.darker(125));
        painter.drawPolygon(wedge);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }

    const QColor arrowColor = look.enabled ? QColor(Qt::black) : QColor(0xA0, 0xA0, 0xA0);
    const QRect nearArrow = alongBar(look, bar, 0, arrow);
    const QRect farArrow = alongBar(look, bar, length - arrow, arrow);
    paintBevel(painter, nearArrow, !look.nearArrowPressed, kFace);
    paintBevel(painter, farArrow, !look.farArrowPressed, kFace);
    const QPoint nearShift = look.nearArrowPressed ? QPoint(1, 1) : QPoint();
    const QPoint farShift = look.farArrowPressed ? QPoint(1, 1) : QPoint();
    paintArrow(painter, nearArrow.translated(nearShift), horizontal ? Qt::LeftArrow : Qt::UpArrow,
               arrowColor);
    paintArrow(painter, farArrow.translated(farShift), horizontal ? Qt::RightArrow : Qt::DownArrow,
               arrowColor);

    if (look.enabled && length > 2 * arrow) {
        const int drawn = look.thumbLength + kThumbMargin;
        const int start =
            std::clamp(look.thumbPosition, arrow, std::max(arrow, length - arrow - drawn));
        const QRect thumb = alongBar(look, bar, start, std::min(drawn, length - 2 * arrow));
        paintBevel(painter, thumb, !look.thumbPressed, kFace);
        paintThumbPattern(painter, look, thumb);
    }
    painter.restore();
}

} // namespace qv::gui
