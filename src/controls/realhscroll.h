#pragma once

#include "controls/scrollbarcontrol.h"

namespace qv::gui {

// The system's horizontal scroll bar: the canvas's and report designer's bars and the
// sliders of several dialogs.
class RealhScroll : public ScrollBarControl {
    Q_OBJECT
public:
    explicit RealhScroll(QWidget* parent = nullptr) : ScrollBarControl(Qt::Horizontal, parent) {}
};

} // namespace qv::gui
