#include "controls/superbutton.h"

#include "controls/mousepointer.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace qv::gui {

SuperButton::SuperButton(QWidget* parent) : EventControl(parent)
{
    m_look.font = defaultButtonFont();
    setFont(m_look.font);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_timer.setInterval(kHoverInterval);
    connect(&m_timer, &QTimer::timeout, this, &SuperButton::checkPointer);
}

QSize SuperButton::sizeHint() const
{
    return QSize(90, 25);
}

void SuperButton::setCaption(const QString& caption)
{
    m_look.caption = caption;
    update();
}

void SuperButton::setBackColor(const QColor& color)
{
    m_look.backColor = color;
    update();
}

void SuperButton::setRenderColor(const QColor& color)
{
    m_look.renderColor = color;
    update();
}

void SuperButton::setFontSize(int points)
{
    if (points > 0)
        m_look.font.setPointSize(points);
    update();
}

void SuperButton::setFontName(const QString& family)
{
    m_look.font.setFamily(family);
    update();
}

void SuperButton::setBorder(int border)
{
    m_look.border = border;
    update();
}

void SuperButton::setImage(const QPixmap& picture)
{
    m_look.image = picture;
    update();
}

void SuperButton::setMousePointer(int pointer)
{
    m_mousePointer = pointer;
    applyMousePointer(*this, pointer);
}

ButtonLook SuperButton::look() const
{
    ButtonLook result = m_look;
    result.enabled = isEnabled();
    return result;
}

void SuperButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintSuperButton(painter, look(), rect());
}

void SuperButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_look.pressed = true;
        update();
    }
    EventControl::mousePressEvent(event);
}

void SuperButton::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton && !m_look.hot) {
        m_look.hot = true;
        m_timer.start();
        update();
    }
    EventControl::mouseMoveEvent(event);
}

void SuperButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasDown = m_look.pressed;
    if (event->button() == Qt::LeftButton)
        m_look.pressed = false;
    if (!rect().contains(event->position().toPoint())) {
        // Released elsewhere: the press is abandoned and the container hears nothing.
        if (wasDown)
            update();
        return;
    }
    if (!m_look.hot) {
        m_look.hot = true;
        m_timer.start();
    }
    update();
    EventControl::mouseReleaseEvent(event);
}

void SuperButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_look.pressed = false;
        leaveHot();
    }
    EventControl::changeEvent(event);
}

void SuperButton::checkPointer()
{
    const QPoint global = QCursor::pos();
    const QWidget* under = QApplication::widgetAt(global);
    const bool over = under == this || (under && isAncestorOf(under));
    if (!over)
        leaveHot();
}

void SuperButton::leaveHot()
{
    m_timer.stop();
    if (m_look.hot) {
        m_look.hot = false;
        update();
    }
}

} // namespace qv::gui
