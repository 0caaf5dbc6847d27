#pragma once

#include <functional>
#include <memory>
#include <QString>
#include <QWidget>

class QPainter;

namespace qv::gui {

// A window that shows every one of the system's own controls in its typical states, for
// looking at them side by side (quorvalle --controls-gallery).
std::unique_ptr<QWidget> createControlsGallery();

// A fixed-size widget that draws itself with one of the controls' painting functions, the
// way the design canvas does: used to show states a live control only has under the mouse.
class PaintedControl : public QWidget {
public:
    using Painter = std::function<void(QPainter&, QRect)>;
    PaintedControl(QSize size, Painter paint, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter m_paint;
};

} // namespace qv::gui
