#include "controls/newcheck.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv::gui {

NewCheck::NewCheck(QWidget* parent) : EventControl(parent)
{
    QFont face(QStringLiteral("Arial"));
    face.setPointSize(9);
    setFont(face);
    m_look.slotCount = 2;
}

QSize NewCheck::sizeHint() const
{
    const int boxes = m_look.optionBox ? std::max(1, m_look.slotCount) : 1;
    return QSize(boxes * newCheckSlotWidth(m_look.pictureSize), m_look.pictureSize.height() + 4);
}

void NewCheck::setValue(int value)
{
    m_look.value = value;
    update();
}

void NewCheck::setForeColor(const QColor& color)
{
    m_look.foreColor = color;
    update();
}

void NewCheck::setBorderStyle(int style)
{
    m_look.borderStyle = style;
    update();
}

void NewCheck::setForeStyle(int style)
{
    m_look.foreStyle = style;
    update();
}

void NewCheck::setOptionBx(int option)
{
    m_look.optionBox = option != 0;
    updateGeometry();
    update();
}

void NewCheck::setOptionCount(int count)
{
    m_look.slotCount = std::max(1, count);
    updateGeometry();
    update();
}

void NewCheck::setCheckWidth(int pixels)
{
    m_look.pictureSize.setWidth(std::max(1, pixels));
    update();
}

void NewCheck::setCheckHeight(int pixels)
{
    m_look.pictureSize.setHeight(std::max(1, pixels));
    update();
}

void NewCheck::setImage(const QPixmap& picture)
{
    m_look.image = picture;
    update();
}

CheckLook NewCheck::look() const
{
    CheckLook result = m_look;
    result.enabled = isEnabled();
    return result;
}

void NewCheck::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintNewCheck(painter, look(), rect());
}

void NewCheck::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        EventControl::mousePressEvent(event);
        return;
    }
    int next = m_look.value;
    if (m_look.optionBox) {
        const int slot = newCheckSlotAt(m_look, int(event->position().x()));
        if (slot > 0)
            next = slot;
    } else {
        next = m_look.value > 0 ? 0 : 1;
    }
    if (next != m_look.value) {
        setValue(next);
        EventControl::mousePressEvent(event);
    }
}

} // namespace qv::gui
