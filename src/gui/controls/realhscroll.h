#pragma once

#include "controls/scrollbarcontrol.h"

namespace qv::gui {

// The system's horizontal scroll bar: the canvas's and report designer's bars and the
// sliders of several dialogs.
class RealhScroll : public ScrollBarControl {
    Q_OBJECT
    Q_PROPERTY(int Pattern READ pattern WRITE setPattern)
public:
    explicit RealhScroll(QWidget* parent = nullptr) : ScrollBarControl(Qt::Horizontal, parent) {}

    // Face of the thumb: 0 plain, 1 grip ridges, 2 dotted.
    int pattern() const { return m_pattern; }
    void setPattern(int pattern)
    {
        m_pattern = pattern;
        update();
    }

protected:
    ScrollBarLook look() const override
    {
        ScrollBarLook result = ScrollBarControl::look();
        result.pattern = m_pattern;
        return result;
    }

private:
    int m_pattern = 0;
};

} // namespace qv::gui
