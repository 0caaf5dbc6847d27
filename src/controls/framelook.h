#pragma once

#include "controls/olecolor.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace qv::gui {

// Everything needed to draw a MyFrame: the frame that groups settings in the dialogs.
struct FrameLook {
    QString caption;
    QColor borderColor = QColor(0xA0, 0xA0, 0xA0);
    QColor fillColor = colorFromOle(kOleButtonFace);
    QColor foreColor = Qt::black;
    int borderStyle = 0; // 0 rounded line, 1 etched, 2 square line, 3 none
    QFont font;
    QPixmap picture; // background, drawn from the top-left corner inside the border
    QPixmap image;   // small picture before the caption
    bool enabled = true;
};

void paintMyFrame(QPainter& painter, const FrameLook& look, QRect rect);

// The area inside the frame, below the caption, where the grouped controls belong.
QRect myFrameContentsRect(const FrameLook& look, QRect rect);

} // namespace qv::gui
