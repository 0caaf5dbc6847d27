#include "controls/scrollbarcontrol.h"

#include "controls/scrollgeometry.h"

#include <algorithm>
#include <cmath>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qv::gui {

ScrollBarControl::ScrollBarControl(Qt::Orientation orientation, QWidget* parent)
    : EventControl(parent), m_orientation(orientation)
{
    setFocusPolicy(Qt::StrongFocus);
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, &ScrollBarControl::onTimer);
    placeThumb();
}

QSize ScrollBarControl::sizeHint() const
{
    return m_orientation == Qt::Horizontal ? QSize(160, kScrollArrow) : QSize(kScrollArrow, 160);
}

int ScrollBarControl::barLength() const
{
    return m_orientation == Qt::Horizontal ? width() : height();
}

int ScrollBarControl::along(QPointF pos) const
{
    return int(std::floor(m_orientation == Qt::Horizontal ? pos.x() : pos.y()));
}

void ScrollBarControl::setBackColor(const QColor& color)
{
    m_backColor = color;
    update();
}

void ScrollBarControl::setValueMin(int valueMin)
{
    m_valueMin = valueMin;
    setValue(m_value);
    placeThumb();
}

void ScrollBarControl::setValueMax(int valueMax)
{
    m_valueMax = valueMax;
    setValue(m_value);
    placeThumb();
}

void ScrollBarControl::setValueLargeChange(int step)
{
    m_largeChange = step;
    placeThumb();
}

void ScrollBarControl::setValueSmallChange(int step)
{
    m_smallChange = step;
}

void ScrollBarControl::setPattern(int pattern)
{
    m_pattern = pattern;
    update();
}

void ScrollBarControl::setValue(int value)
{
    storeValue(clampScrollValue(value, m_valueMin, m_valueMax));
    placeThumb();
}

void ScrollBarControl::storeValue(int value)
{
    if (value == m_value)
        return;
    m_value = value;
    update();
    emit change();
}

void ScrollBarControl::placeThumb()
{
    const int length = barLength();
    m_thumbLength = scrollThumbLength(length, m_valueMin, m_valueMax, m_largeChange);
    m_thumbPosition = scrollThumbPosition(length, m_thumbLength, m_value, m_valueMin, m_valueMax);
    update();
}

ScrollBarLook ScrollBarControl::look() const
{
    ScrollBarLook look;
    look.orientation = m_orientation;
    look.backColor = m_backColor;
    look.thumbPosition = m_thumbPosition;
    look.thumbLength = m_thumbLength;
    look.thumbPressed = m_dragging;
    const bool mouseRepeat = m_pressPosition >= 0;
    look.nearArrowPressed = mouseRepeat && m_action == StepBack;
    look.farArrowPressed = mouseRepeat && m_action == StepForward;
    look.enabled = isEnabled();
    look.pattern = m_pattern;
    return look;
}

void ScrollBarControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintScrollBar(painter, look(), rect());
}

void ScrollBarControl::resizeEvent(QResizeEvent*)
{
    placeThumb();
}

bool ScrollBarControl::repeatStep()
{
    int step = 0;
    switch (m_action) {
    case PageBack:
        // Paging by mouse stops once the thumb has reached the pointer.
        if (m_pressPosition >= 0 && m_pressPosition >= m_thumbPosition)
            return false;
        step = -m_largeChange;
        break;
    case PageForward:
        if (m_pressPosition >= 0 &&
            m_pressPosition < m_thumbPosition + m_thumbLength + kThumbMargin)
            return false;
        step = m_largeChange;
        break;
    case StepBack: step = -m_smallChange; break;
    case StepForward: step = m_smallChange; break;
    case NoRepeat: return false;
    }
    const int before = m_value;
    const long long wanted = static_cast<long long>(m_value) + step;
    const int bounded =
        int(std::clamp<long long>(wanted, m_valueMin, std::max(m_valueMin, m_valueMax)));
    setValue(bounded);
    m_timer.setInterval(kRepeatInterval);
    return m_value != before;
}

void ScrollBarControl::onTimer()
{
    if (!repeatStep())
        m_timer.stop();
    update();
}

void ScrollBarControl::stopRepeat()
{
    m_timer.stop();
    m_action = NoRepeat;
    update();
}

void ScrollBarControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const int at = along(event->position());
        const int length = barLength();
        if (at >= m_thumbPosition && at < m_thumbPosition + m_thumbLength + kThumbMargin &&
            at >= kScrollArrow && at < length - kScrollArrow) {
            m_dragging = true;
            update();
        } else {
            m_pressPosition = at;
            if (at < kScrollArrow)
                m_action = StepBack;
            else if (at >= length - kScrollArrow)
                m_action = StepForward;
            else if (at < m_thumbPosition)
                m_action = PageBack;
            else
                m_action = PageForward;
            // A click steps at once; holding the button repeats after a short delay.
            if (repeatStep())
                m_timer.start(kFirstRepeatDelay);
            update();
        }
    }
    EventControl::mousePressEvent(event);
}

void ScrollBarControl::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        const int length = barLength();
        const int travel = scrollTravel(length, m_thumbLength);
        const double centred = along(event->position()) - m_thumbLength / 2.0 - kThumbMargin / 2.0;
        const int position =
            std::clamp(int(std::trunc(centred)), kScrollArrow, kScrollArrow + travel);
        m_thumbPosition = position;
        update();
        storeValue(scrollValueAt(length, m_thumbLength, position, m_valueMin, m_valueMax));
    }
    EventControl::mouseMoveEvent(event);
}

void ScrollBarControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
        m_pressPosition = -1;
        stopRepeat();
    }
    EventControl::mouseReleaseEvent(event);
}

void ScrollBarControl::keyPressEvent(QKeyEvent* event)
{
    RepeatAction action = NoRepeat;
    switch (event->key()) {
    case Qt::Key_PageUp: action = PageBack; break;
    case Qt::Key_PageDown: action = PageForward; break;
    case Qt::Key_Left:
    case Qt::Key_Up: action = StepBack; break;
    case Qt::Key_Right:
    case Qt::Key_Down: action = StepForward; break;
    default: break;
    }
    if (action != NoRepeat && !event->isAutoRepeat()) {
        // The key steps once at once; the timer repeats it while the key is held.
        m_action = action;
        m_pressPosition = -1;
        repeatStep();
        m_timer.start(kKeyRepeatDelay);
    }
    if (action != NoRepeat)
        event->accept();
    EventControl::keyPressEvent(event);
}

void ScrollBarControl::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat() && m_action != NoRepeat && m_pressPosition < 0)
        stopRepeat();
    EventControl::keyReleaseEvent(event);
}

} // namespace qv::gui
