#pragma once

#include <Qt>

class QWidget;

namespace qv::gui {

// The pointer numbers of the designed application's MousePointer properties: 0 default,
// 1 arrow, 2 cross, 3 I-beam, 5 and 15 size all, 6 size NE-SW, 7 size N-S, 8 size NW-SE,
// 9 size W-E, 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and hourglass, 14 arrow and
// question mark, 99 a picture of the control's own.
inline constexpr int kCustomPointer = 99;

// The cursor shape of a pointer number (unknown numbers give the arrow).
Qt::CursorShape cursorShapeForPointer(int pointer);

// Shows the pointer of a number over a widget; 0 returns it to the container's pointer.
void applyMousePointer(QWidget& widget, int pointer);

} // namespace qv::gui
