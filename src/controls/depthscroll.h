#pragma once

#include "controls/scrollbarcontrol.h"

#include <QCursor>

namespace qv::gui {

// A horizontal slider of the dialogs with a selectable mouse pointer and a direction option:
// with LowToHeigh not 0 its track shows a wedge rising from the low to the high end.
class DepthScroll : public ScrollBarControl {
    Q_OBJECT
    Q_PROPERTY(int LowToHeigh READ lowToHeigh WRITE setLowToHeigh)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(QCursor MouseIcon READ mouseIcon WRITE setMouseIcon)
public:
    explicit DepthScroll(QWidget* parent = nullptr);

    int lowToHeigh() const { return m_lowToHeigh; }
    void setLowToHeigh(int option);
    // One of the pointer numbers of mousepointer.h; 99 shows the MouseIcon.
    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    QCursor mouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(const QCursor& icon);

protected:
    ScrollBarLook look() const override;

private:
    void applyPointer();

    int m_lowToHeigh = 0;
    int m_mousePointer = 0;
    QCursor m_mouseIcon;
};

} // namespace qv::gui
