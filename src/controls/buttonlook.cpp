#include "controls/buttonlook.h"

#include <algorithm>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace qv::gui {

namespace {

QColor blend(const QColor& a, const QColor& b, double share)
{
    const auto mix = [share](int x, int y) { return int(x + (y - x) * share + 0.5); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

QColor greyed(const QColor& color)
{
    const int grey = qGray(color.rgb());
    return blend(QColor(grey, grey, grey), QColor(0xF0, 0xF0, 0xF0), 0.5);
}

QPainterPath outline(const ButtonLook& look, QRectF rect)
{
    QPainterPath path;
    switch (look.border) {
    case 1:
    case 3: path.addRect(rect); break;
    case 2: {
        const double radius = std::min(rect.height(), rect.width()) / 2.0;
        path.addRoundedRect(rect, radius, radius);
        break;
    }
    default: path.addRoundedRect(rect, 3.0, 3.0); break;
    }
    return path;
}

QRect imageRect(const ButtonLook& look, QRect inner)
{
    if (look.image.isNull())
        return {};
    QSize size = look.image.deviceIndependentSize().toSize();
    size = size.boundedTo(QSize(inner.height(), inner.height()));
    const int left =
        look.caption.isEmpty() ? inner.center().x() - size.width() / 2 : inner.left() + 4;
    return QRect(QPoint(left, inner.center().y() - size.height() / 2), size);
}

} // namespace

QFont defaultButtonFont()
{
    QFont font;
    font.setPointSizeF(9);
    return font;
}

QRect superButtonCaptionRect(const ButtonLook& look, QRect rect)
{
    QRect inner = rect.adjusted(3, 2, -3, -2);
    const QRect picture = imageRect(look, inner);
    if (!picture.isNull())
        inner.setLeft(picture.right() + 4);
    return inner;
}

void paintSuperButton(QPainter& painter, const ButtonLook& look, QRect rect)
{
    if (rect.width() < 2 || rect.height() < 2)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, look.border != 1);
    const QRectF area = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath path = outline(look, area);

    QColor top = blend(look.backColor, Qt::white, 0.45);
    QColor bottom = blend(look.backColor, look.renderColor, 0.5);
    const bool deep = look.enabled && (look.hot || look.pressed);
    if (deep) {
        // The hot face is deep enough for a white caption to read on it.
        top = look.backColor.darker(135);
        bottom = blend(look.backColor, look.renderColor, 0.5).darker(175);
    }
    if (look.pressed && look.enabled)
        std::swap(top, bottom);
    if (!look.enabled) {
        top = greyed(top);
        bottom = greyed(bottom);
    }
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(0.5, blend(top, bottom, 0.35));
    gradient.setColorAt(1.0, bottom);
    painter.fillPath(path, gradient);

    switch (look.border) {
    case 1: {
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QRect r = rect.adjusted(0, 0, -1, -1);
        const bool sunken = look.pressed && look.enabled;
        painter.setPen(sunken ? QColor(0x69, 0x69, 0x69) : QColor(Qt::white));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(sunken ? QColor(Qt::white) : QColor(0x69, 0x69, 0x69));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        break;
    }
    case 3: break;
    default:
        painter.setPen(
            QPen(look.enabled ? look.backColor.darker(220) : QColor(0xA0, 0xA0, 0xA0), 1.0));
        painter.drawPath(path);
        break;
    }

    const QRect inner = rect.adjusted(3, 2, -3, -2);
    QPoint shift = (look.pressed && look.enabled) ? QPoint(1, 1) : QPoint();
    const QRect picture = imageRect(look, inner);
    if (!picture.isNull()) {
        if (look.enabled)
            painter.drawPixmap(picture.translated(shift), look.image);
        else {
            painter.setOpacity(0.4);
            painter.drawPixmap(picture, look.image);
            painter.setOpacity(1.0);
        }
    }
    if (!look.caption.isEmpty()) {
        QColor text = Qt::black;
        if (!look.enabled)
            text = QColor(0x6D, 0x6D, 0x6D);
        else if (deep)
            text = Qt::white;
        painter.setFont(look.font);
        painter.setPen(text);
        painter.drawText(superButtonCaptionRect(look, rect).translated(shift),
                         Qt::AlignCenter | Qt::TextShowMnemonic, look.caption);
    }
    painter.restore();
}

} // namespace qv::gui
