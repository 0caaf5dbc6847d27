#include "controls/eventcontrol.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace qv::gui {

void EventControl::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void EventControl::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void EventControl::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    emit mouseUp(event->button(), event->modifiers(), pos);
    // A click is a left press and release on the control, as the container expects it.
    if (event->button() == Qt::LeftButton && rect().contains(pos))
        emit click();
}

void EventControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    emit dblClick();
}

void EventControl::keyPressEvent(QKeyEvent* event)
{
    emit keyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty())
        emit keyPress(event->text());
}

void EventControl::keyReleaseEvent(QKeyEvent* event)
{
    emit keyUp(event->key(), event->modifiers());
}

} // namespace qv::gui
