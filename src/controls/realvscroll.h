#pragma once

#include "controls/scrollbarcontrol.h"

namespace qv::gui {

// The system's vertical scroll bar: the canvas's and report designer's bars and the help
// viewer's VScroll1.
class RealvScroll : public ScrollBarControl {
    Q_OBJECT
public:
    explicit RealvScroll(QWidget* parent = nullptr) : ScrollBarControl(Qt::Vertical, parent) {}
};

} // namespace qv::gui
