#include "designbutton.h"

#include "controlfaces.h"

#include "controls/objectlooks.h"
#include "document/objectrecords.h"

#include <QPainter>

namespace qv::runtime {

DesignButton::DesignButton(const Button& button, QWidget* parent)
    : QPushButton(QString::fromStdString(button.caption), parent), look_(gui::lookOf(button))
{
    setAttribute(Qt::WA_Hover);
    setFont(look_.font);
    setToolTip(QString::fromStdString(button.toolTipText));
    // A button without a caption is known by its tool tip.
    if (button.caption.empty())
        setAccessibleName(QString::fromStdString(button.toolTipText));
}

void DesignButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    gui::ButtonLook look = look_;
    look.hot = underMouse();
    look.pressed = isDown();
    look.enabled = isEnabled();
    paintButtonLook(painter, look, rect());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

} // namespace qv::runtime
