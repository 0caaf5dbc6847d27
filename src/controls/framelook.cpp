#include "controls/framelook.h"

#include <algorithm>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace qv::gui {

namespace {

int captionHeight(const FrameLook& look)
{
    if (look.caption.isEmpty() && look.image.isNull())
        return 0;
    return std::max(QFontMetrics(look.font).height(),
                    look.image.isNull() ? 0 : look.image.deviceIndependentSize().toSize().height());
}

} // namespace

QRect myFrameContentsRect(const FrameLook& look, QRect rect)
{
    const int top = std::max(captionHeight(look), 4);
    return rect.adjusted(6, top + 4, -6, -6);
}

void paintMyFrame(QPainter& painter, const FrameLook& look, QRect rect)
{
    if (rect.width() < 4 || rect.height() < 4)
        return;
    painter.save();
    painter.setFont(look.font);
    const QFontMetrics metrics(look.font);
    const int heading = captionHeight(look);
    // The border runs through the middle of the caption line.
    const QRectF box = QRectF(rect).adjusted(0.5, heading / 2 + 0.5, -1.5, -1.5);

    // Only the inside is filled: above the border the container shows through.
    painter.fillRect(box.toAlignedRect(), look.fillColor);
    if (!look.picture.isNull()) {
        painter.setClipRect(box.adjusted(1, 1, -1, -1));
        painter.drawPixmap(box.topLeft().toPoint() + QPoint(1, 1), look.picture);
        painter.setClipping(false);
    }

    // The caption's gap in the border.
    int captionWidth = 0;
    const int imageWidth =
        look.image.isNull() ? 0 : look.image.deviceIndependentSize().toSize().width();
    if (!look.caption.isEmpty())
        captionWidth += metrics.horizontalAdvance(look.caption);
    if (imageWidth > 0)
        captionWidth += imageWidth + (look.caption.isEmpty() ? 0 : 4);
    const int gapLeft = rect.left() + 8;
    const QRect gap(gapLeft - 3, rect.top(), captionWidth + 6, std::max(heading, 1));

    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath border;
    if (look.borderStyle == 0)
        border.addRoundedRect(box, 4.0, 4.0);
    else
        border.addRect(box);
    if (captionWidth > 0) {
        QPainterPath outside;
        outside.addRect(rect);
        QPainterPath cut;
        cut.addRect(gap);
        painter.setClipPath(outside.subtracted(cut));
    }
    const QColor line = look.enabled ? look.borderColor : QColor(0xC0, 0xC0, 0xC0);
    switch (look.borderStyle) {
    case 1:
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(line.darker(130));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.toRect());
        painter.setPen(Qt::white);
        painter.drawRect(box.toRect().translated(1, 1));
        break;
    case 3: break;
    default:
        painter.setPen(QPen(line, 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(border);
        break;
    }
    painter.setClipping(false);

    int x = gapLeft;
    if (imageWidth > 0) {
        const QSize size = look.image.deviceIndependentSize().toSize();
        painter.drawPixmap(QRect(QPoint(x, rect.top() + (heading - size.height()) / 2), size),
                           look.image);
        x += imageWidth + 4;
    }
    if (!look.caption.isEmpty()) {
        painter.setPen(look.enabled ? look.foreColor : QColor(0x6D, 0x6D, 0x6D));
        painter.drawText(QRect(x, rect.top(), captionWidth, heading),
                         Qt::AlignLeft | Qt::AlignVCenter, look.caption);
    }
    painter.restore();
}

} // namespace qv::gui
