#include "controls/depthscroll.h"

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
    if (m_mousePointer == 0)
        unsetCursor();
    else if (m_mousePointer == 99)
        setCursor(m_mouseIcon);
    else
        setCursor(cursorShapeForPointer(m_mousePointer));
}

ScrollBarLook DepthScroll::look() const
{
    ScrollBarLook result = ScrollBarControl::look();
    result.wedge = m_lowToHeigh != 0;
    return result;
}

Qt::CursorShape cursorShapeForPointer(int pointer)
{
    switch (pointer) {
    case 2: return Qt::CrossCursor;
    case 3: return Qt::IBeamCursor;
    case 5:
    case 15: return Qt::SizeAllCursor;
    case 6: return Qt::SizeBDiagCursor;
    case 7: return Qt::SizeVerCursor;
    case 8: return Qt::SizeFDiagCursor;
    case 9: return Qt::SizeHorCursor;
    case 10: return Qt::UpArrowCursor;
    case 11: return Qt::WaitCursor;
    case 12: return Qt::ForbiddenCursor;
    case 13: return Qt::BusyCursor;
    case 14: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace qv::gui
