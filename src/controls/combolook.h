#pragma once

#include "controls/olecolor.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace qv::gui {

// Everything needed to draw a ComboBorder. The widget draws only the border and lets its
// inner combo box draw the rest; the design canvas and the runtime draw the whole control
// (text and drop-down button too) with drawContent set.
struct ComboLook {
    QString text;
    QColor backColor = colorFromOle(kOleWindow);
    QColor foreColor = colorFromOle(kOleWindowText);
    QFont font;
    int border = 0;    // 0 single line, 1 sunken edge, 2 raised edge, 3 none
    int backStyle = 0; // 1 fills the border area with BackColor
    bool enabled = true;
    bool drawContent = true;
};

// Width of the border drawn for a Border value; the inner combo box sits inside it.
int comboBorderWidth(int border);

// The font a ComboBorder starts with: "Arial" at 9 points (the nearest face where Arial is
// not installed).
QFont defaultComboFont();

void paintComboBorder(QPainter& painter, const ComboLook& look, QRect rect);

} // namespace qv::gui
