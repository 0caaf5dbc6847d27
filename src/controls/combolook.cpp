#include "controls/combolook.h"

#include "controls/bevel.h"
#include "controls/scrollgeometry.h"

#include <algorithm>
#include <QPainter>

namespace qv::gui {

int comboBorderWidth(int border)
{
    switch (border) {
    case 1:
    case 2: return 2;
    case 3: return 0;
    default: return 1;
    }
}

QFont defaultComboFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    return font;
}

void paintComboBorder(QPainter& painter, const ComboLook& look, QRect rect)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int width = comboBorderWidth(look.border);
    const QRect inner = rect.adjusted(width, width, -width, -width);
    if (look.backStyle == 1 || look.drawContent)
        painter.fillRect(rect, look.enabled ? look.backColor : QColor(0xF0, 0xF0, 0xF0));

    if (look.drawContent && !inner.isEmpty()) {
        const int button = std::min(kScrollArrow, inner.width() / 2);
        const QRect drop(inner.right() - button + 1, inner.top(), button, inner.height());
        paintBevel(painter, drop, true, QColor(0xF0, 0xF0, 0xF0));
        paintArrow(painter, drop, Qt::DownArrow,
                   look.enabled ? QColor(Qt::black) : QColor(0xA0, 0xA0, 0xA0));
        painter.setFont(look.font);
        painter.setPen(look.enabled ? look.foreColor : QColor(0x6D, 0x6D, 0x6D));
        const QRect textArea = inner.adjusted(3, 0, -button - 2, 0);
        painter.setClipRect(textArea);
        painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, look.text);
        painter.setClipping(false);
    }

    const QRect r = rect.adjusted(0, 0, -1, -1);
    const auto edge = [&painter](QRect e, const QColor& light, const QColor& dark) {
        painter.setPen(light);
        painter.drawLine(e.topLeft(), e.topRight());
        painter.drawLine(e.topLeft(), e.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(e.bottomLeft(), e.bottomRight());
        painter.drawLine(e.topRight(), e.bottomRight());
    };
    switch (look.border) {
    case 1:
        edge(r, QColor(0xA0, 0xA0, 0xA0), Qt::white);
        edge(r.adjusted(1, 1, -1, -1), QColor(0x69, 0x69, 0x69), QColor(0xE3, 0xE3, 0xE3));
        break;
    case 2:
        edge(r, QColor(0xE3, 0xE3, 0xE3), QColor(0x69, 0x69, 0x69));
        edge(r.adjusted(1, 1, -1, -1), Qt::white, QColor(0xA0, 0xA0, 0xA0));
        break;
    case 3: break;
    default:
        painter.setPen(look.enabled ? QColor(0x7A, 0x7A, 0x7A) : QColor(0xB0, 0xB0, 0xB0));
        painter.drawRect(r);
        break;
    }
    painter.restore();
}

} // namespace qv::gui
