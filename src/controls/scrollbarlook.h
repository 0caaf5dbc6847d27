#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace qv::gui {

// Everything needed to draw one of the system's scroll bars; the widgets fill it from their
// state, the design canvas and the runtime from the stored properties (with the thumb from
// scrollThumbLength / scrollThumbPosition).
struct ScrollBarLook {
    Qt::Orientation orientation = Qt::Horizontal;
    QColor backColor = Qt::white; // the track
    int thumbPosition = 17;       // near edge of the thumb along the bar
    int thumbLength = 11;         // drawn kThumbMargin pixels longer
    bool thumbPressed = false;
    bool nearArrowPressed = false;
    bool farArrowPressed = false;
    bool enabled = true;
    int pattern = 0;    // thumb face: 0 plain, 1 grip ridges, 2 dotted
    bool wedge = false; // a rising wedge in the track, for depth sliders
};

void paintScrollBar(QPainter& painter, const ScrollBarLook& look, QRect rect);

} // namespace qv::gui
