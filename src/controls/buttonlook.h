#pragma once

#include "controls/olecolor.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace qv::gui {

// Everything ButtonRender needs to draw a SuperButton face: the widget, the design canvas
// and the runtime fill it from the button's properties.
struct ButtonLook {
    QString caption;
    QColor backColor = colorFromOle(0xC0E0FF);
    QColor renderColor = colorFromOle(0xC0C0C0); // blended into the face
    QFont font;
    int border = 0; // 0 rounded outline, 1 raised edge, 2 round ends, 3 none
    QPixmap image;  // drawn before the caption
    bool enabled = true;
    bool hot = false;     // pointer over the button: deeper face, white caption
    bool pressed = false; // button held down: sunken face, white caption
};

// The font a SuperButton starts with: the container's face at 9 points.
QFont defaultButtonFont();

void paintSuperButton(QPainter& painter, const ButtonLook& look, QRect rect);

// Where the caption is drawn inside the button's rectangle.
QRect superButtonCaptionRect(const ButtonLook& look, QRect rect);

} // namespace qv::gui
