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
    // The pointer numbers of the designed application: 0 default, 1 arrow, 2 cross,
    // 3 I-beam, 5/15 size all, 6 size NE-SW, 7 size N-S, 8 size NW-SE, 9 size W-E,
    // 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and hourglass, 14 arrow and question
    // mark, 99 the MouseIcon.
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

// The cursor shape of one of the pointer numbers above (99 and unknown numbers give the
// default arrow).
Qt::CursorShape cursorShapeForPointer(int pointer);

} // namespace qv::gui
