#pragma once

#include "controls/buttonlook.h"

#include <QPushButton>

namespace qv {
struct Button;
}

namespace qv::runtime {

// A button of the designed window, drawn with the button control's look (hot while the
// pointer is over it, sunken while it is held down).
class DesignButton : public QPushButton {
    Q_OBJECT
public:
    DesignButton(const Button& button, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    gui::ButtonLook look_;
};

} // namespace qv::runtime
