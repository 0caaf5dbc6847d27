#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace qv::gui {

// The raised (or, pressed, sunken) edge shared by the scroll bars' buttons and thumb and
// the list's header buttons: two pixels of light and shadow around a face.
void paintBevel(QPainter& painter, QRect rect, bool raised, const QColor& face);

// A solid triangle pointing in the given direction, centred in the rectangle.
void paintArrow(QPainter& painter, QRect rect, Qt::ArrowType direction, const QColor& color);

} // namespace qv::gui
