#include "controls/bevel.h"

#include <algorithm>
#include <QPainter>
#include <QPolygon>

namespace qv::gui {

void paintBevel(QPainter& painter, QRect rect, bool raised, const QColor& face)
{
    if (rect.width() < 2 || rect.height() < 2)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, face);
    const QColor outerLight = raised ? face.lighter(104) : QColor(0x69, 0x69, 0x69);
    const QColor innerLight = raised ? QColor(Qt::white) : QColor(0xA0, 0xA0, 0xA0);
    const QColor outerDark = raised ? QColor(0x69, 0x69, 0x69) : QColor(Qt::white);
    const QColor innerDark = raised ? QColor(0xA0, 0xA0, 0xA0) : face.lighter(104);
    const auto edge = [&painter](QRect r, const QColor& light, const QColor& dark) {
        painter.setPen(light);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    edge(rect, outerLight, outerDark);
    if (rect.width() > 4 && rect.height() > 4)
        edge(rect.adjusted(1, 1, -1, -1), innerLight, innerDark);
    painter.restore();
}

void paintArrow(QPainter& painter, QRect rect, Qt::ArrowType direction, const QColor& color)
{
    const int size = std::max(2, std::min(rect.width(), rect.height()) / 4);
    const QPoint c = rect.center();
    QPolygon triangle;
    switch (direction) {
    case Qt::UpArrow:
        triangle << QPoint(c.x() - size, c.y() + size / 2) << QPoint(c.x() + size, c.y() + size / 2)
                 << QPoint(c.x(), c.y() - size / 2 - 1);
        break;
    case Qt::DownArrow:
        triangle << QPoint(c.x() - size, c.y() - size / 2) << QPoint(c.x() + size, c.y() - size / 2)
                 << QPoint(c.x(), c.y() + size / 2 + 1);
        break;
    case Qt::LeftArrow:
        triangle << QPoint(c.x() + size / 2, c.y() - size) << QPoint(c.x() + size / 2, c.y() + size)
                 << QPoint(c.x() - size / 2 - 1, c.y());
        break;
    default:
        triangle << QPoint(c.x() - size / 2, c.y() - size) << QPoint(c.x() - size / 2, c.y() + size)
                 << QPoint(c.x() + size / 2 + 1, c.y());
        break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(triangle);
    painter.restore();
}

} // namespace qv::gui
