#include "app/toolicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace qv::gui {

namespace {

constexpr int kSize = 24;

void drawBox(QPainter& p, const QRectF& r, const QColor& fill = Qt::white)
{
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(fill);
    p.drawRect(r);
}

void drawPicture(QPainter& p, bool plus)
{
    drawBox(p, QRectF(3.5, 5.5, 17, 13), QColor(200, 228, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 60));
    QPainterPath hill;
    hill.moveTo(4, 18);
    hill.lineTo(10, 11);
    hill.lineTo(14, 15);
    hill.lineTo(17, 12);
    hill.lineTo(20, 18);
    p.drawPath(hill);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(16, 9), 1.8, 1.8);
    if (plus) {
        p.setPen(QPen(QColor(0, 120, 0), 2));
        p.drawLine(QPointF(19, 2), QPointF(19, 8));
        p.drawLine(QPointF(16, 5), QPointF(22, 5));
    }
}

void drawLock(QPainter& p, bool locked)
{
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(Qt::NoBrush);
    if (locked)
        p.drawArc(QRectF(7, 3, 10, 12), 0, 180 * 16);
    else
        p.drawArc(QRectF(11, 2, 10, 12), 0, 180 * 16);
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(locked ? QColor(220, 170, 40) : QColor(170, 200, 120));
    p.drawRect(QRectF(5.5, 10.5, 13, 10));
}

} // namespace

QIcon toolIcon(ToolIcon which)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font = p.font();
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    switch (which) {
    case ToolIcon::Label:
        p.setPen(QColor(0, 0, 128));
        p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("A"));
        break;
    case ToolIcon::TextField:
        drawBox(p, QRectF(2.5, 7.5, 19, 9));
        p.drawLine(QPointF(5, 10), QPointF(5, 14));
        break;
    case ToolIcon::Memo:
        drawBox(p, QRectF(3.5, 3.5, 17, 17));
        for (int y = 7; y <= 16; y += 3)
            p.drawLine(QPointF(6, y), QPointF(18, y));
        break;
    case ToolIcon::Combo:
        drawBox(p, QRectF(2.5, 7.5, 19, 9));
        p.setBrush(QColor(64, 64, 64));
        p.drawPolygon(QPolygonF({QPointF(15, 10.5), QPointF(20, 10.5), QPointF(17.5, 14)}));
        break;
    case ToolIcon::DefaultPicture: drawPicture(p, false); break;
    case ToolIcon::AddPicture: drawPicture(p, true); break;
    case ToolIcon::Line:
        p.setPen(QPen(QColor(30, 30, 30), 2));
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
        break;
    case ToolIcon::EmailField:
        drawBox(p, QRectF(2.5, 6.5, 19, 12));
        p.drawText(QRectF(2, 6, 20, 13), Qt::AlignCenter, QStringLiteral("@"));
        break;
    case ToolIcon::CheckBox:
        drawBox(p, QRectF(5.5, 5.5, 13, 13));
        p.setPen(QPen(QColor(0, 110, 0), 2));
        p.drawPolyline(QPolygonF({QPointF(8, 12), QPointF(11, 15), QPointF(16, 8)}));
        break;
    case ToolIcon::Shape:
        drawBox(p, QRectF(3.5, 6.5, 11, 11), QColor(180, 210, 255));
        p.setBrush(QColor(255, 210, 160));
        p.drawEllipse(QRectF(10.5, 3.5, 10, 10));
        break;
    case ToolIcon::Button:
        p.setPen(QPen(QColor(64, 64, 64), 1));
        p.setBrush(QColor(220, 220, 220));
        p.drawRoundedRect(QRectF(2.5, 6.5, 19, 11), 3, 3);
        break;
    case ToolIcon::WebScript:
        p.setPen(QColor(0, 96, 160));
        p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("</>"));
        break;
    case ToolIcon::AreaSelect:
        p.setPen(QPen(QColor(0, 90, 200), 1, Qt::DashLine));
        p.setBrush(QColor(0, 90, 200, 40));
        p.drawRect(QRectF(3.5, 3.5, 17, 17));
        break;
    case ToolIcon::Locked: drawLock(p, true); break;
    case ToolIcon::Unlocked: drawLock(p, false); break;
    }
    return QIcon(pixmap);
}

} // namespace qv::gui
