#include "controls/depthscroll.h"

#include "controls/mousepointer.h"

namespace qv::gui {

DepthScroll::DepthScroll(QWidget* parent) : ScrollBarControl(Qt::Horizontal, parent) {}

void DepthScroll::setLowToHeigh(int option)
{
    m_lowToHeigh = option;
    update();
}

void DepthScroll::setMousePointer(int pointer)
{
    m_mousePointer = pointer;
    applyPointer();
}

void DepthScroll::setMouseIcon(const QCursor& icon)
{
    m_mouseIcon = icon;
    applyPointer();
}

void DepthScroll::applyPointer()
{
    if (m_mousePointer == kCustomPointer)
        setCursor(m_mouseIcon);
    else
        applyMousePointer(*this, m_mousePointer);
}

ScrollBarLook DepthScroll::look() const
{
    ScrollBarLook result = ScrollBarControl::look();
    result.wedge = m_lowToHeigh != 0;
    result.pattern = 0;
    return result;
}

} // namespace qv::gui
