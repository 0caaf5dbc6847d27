#include "controls/checklook.h"

#include "document/units.h"

#include <cmath>
#include <QPainter>
#include <QPainterPath>

namespace qv::gui {

namespace {

const QColor kFrame(0x70, 0x70, 0x70);
const QColor kDisabled(0xA0, 0xA0, 0xA0);

void tick(QPainter& painter, QRectF box, const QColor& color, double width)
{
    QPainterPath path;
    path.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.52);
    path.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.72);
    path.lineTo(box.left() + box.width() * 0.78, box.top() + box.height() * 0.28);
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

} // namespace

int newCheckSlotWidth(QSize pictureSize)
{
    return pictureSize.width() + int(std::lround(qv::twipsToPixels(200.0f)));
}

int newCheckSlotAt(const CheckLook& look, int x)
{
    if (x < 0)
        return 0;
    const int slot = x / newCheckSlotWidth(look.pictureSize) + 1;
    const int boxes = look.optionBox ? std::max(1, look.slotCount) : 1;
    return slot <= boxes ? slot : 0;
}

void paintCheckPicture(QPainter& painter, int foreStyle, bool checked, const CheckLook& look,
                       QRect box)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = look.enabled ? look.foreColor : kDisabled;
    const QColor paper = look.enabled ? QColor(Qt::white) : QColor(0xF0, 0xF0, 0xF0);
    const QRectF r = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    if (checked && !look.image.isNull()) {
        painter.drawPixmap(box, look.image);
        painter.restore();
        return;
    }
    switch (foreStyle) {
    case 1:
        painter.setPen(QPen(kFrame, 1.0));
        painter.setBrush(paper);
        painter.drawEllipse(r);
        if (checked) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            painter.drawEllipse(r.center(), r.width() * 0.22, r.height() * 0.22);
        }
        break;
    case 2:
        painter.setPen(QPen(kFrame, 1.0));
        painter.setBrush(paper);
        painter.drawRect(r);
        if (checked) {
            painter.setPen(QPen(ink, std::max(1.5, r.width() / 8.0), Qt::SolidLine, Qt::RoundCap));
            const QRectF in = r.adjusted(r.width() * 0.25, r.height() * 0.25, -r.width() * 0.25,
                                         -r.height() * 0.25);
            painter.drawLine(in.topLeft(), in.bottomRight());
            painter.drawLine(in.bottomLeft(), in.topRight());
        }
        break;
    case 3:
        painter.setPen(QPen(checked ? ink : kFrame, 1.0));
        painter.setBrush(checked ? ink : paper);
        painter.drawRoundedRect(r, 2.5, 2.5);
        if (checked)
            tick(painter, r, Qt::white, std::max(1.5, r.width() / 7.0));
        break;
    default:
        // The classic box: a dark frame with a shadow inside its top and left edges.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(box, paper);
        painter.setPen(look.enabled ? QColor(0x60, 0x60, 0x60) : kDisabled);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(QColor(0xC8, 0xC8, 0xC8));
        painter.drawLine(box.topLeft() + QPoint(1, 1), box.topRight() + QPoint(-2, 1));
        painter.drawLine(box.topLeft() + QPoint(1, 1), box.bottomLeft() + QPoint(1, -2));
        painter.setRenderHint(QPainter::Antialiasing, true);
        if (checked)
            tick(painter, r, ink, std::max(1.5, r.width() / 7.0));
        break;
    }
    painter.restore();
}

void paintNewCheck(QPainter& painter, const CheckLook& look, QRect rect)
{
    painter.save();
    const int boxes = look.optionBox ? std::max(1, look.slotCount) : 1;
    const int slotWidth = newCheckSlotWidth(look.pictureSize);
    const int style =
        (look.foreStyle >= 0 && look.foreStyle < kCheckPictureSets) ? look.foreStyle : 0;
    const int top = rect.top() + (rect.height() - look.pictureSize.height()) / 2;
    for (int slot = 1; slot <= boxes; ++slot) {
        const QRect box(QPoint(rect.left() + (slot - 1) * slotWidth, top), look.pictureSize);
        paintCheckPicture(painter, style, look.value == slot, look, box);
    }
    if (look.borderStyle == 1) {
        painter.setPen(kFrame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

} // namespace qv::gui
