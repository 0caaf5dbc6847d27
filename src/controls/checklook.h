#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>

class QPainter;

namespace qv::gui {

// Everything needed to draw a NewCheck: a check box (one box) or an option box (a row of
// boxes of which the one in slot Value is checked).
struct CheckLook {
    int value = 0;     // 0 nothing checked; n > 0 the box in slot n is checked
    int foreStyle = 0; // picture set: 0 classic tick, 1 round option, 2 cross, 3 filled tick
    bool optionBox = false;
    int slotCount = 1;                 // boxes shown in option-box mode
    QSize pictureSize = QSize(13, 13); // CheckWidth x CheckHeight
    QColor foreColor = Qt::black;
    bool enabled = true;
    int borderStyle = 0; // 1 draws a single line around the control
    QPixmap image;       // when set, the checked picture of every style
};

inline constexpr int kCheckPictureSets = 4;

// A slot is as wide as the picture plus 200 twips.
int newCheckSlotWidth(QSize pictureSize);
// The slot (1 for the first) under a horizontal position inside the control; 0 when the
// position lies before the first slot or beyond the last one.
int newCheckSlotAt(const CheckLook& look, int x);

// The checked (CheckPic) or unchecked (UnCheckPic) picture of a style, drawn into box.
void paintCheckPicture(QPainter& painter, int foreStyle, bool checked, const CheckLook& look,
                       QRect box);

void paintNewCheck(QPainter& painter, const CheckLook& look, QRect rect);

} // namespace qv::gui
