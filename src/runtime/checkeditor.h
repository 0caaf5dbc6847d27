#pragma once

#include "controls/checklook.h"

#include <QCheckBox>

namespace qv {
struct Checkbox;
}

namespace qv::runtime {

// The live editor of a check box or option box, drawn with the check control's look. As a
// check box a click or Space toggles its value between 0 and 1; as an option box a click
// checks the box under the pointer (value 1, 2, ...) and Space moves to the next box.
// A QCheckBox underneath, so that it is a check box to the keyboard and to screen readers.
class CheckEditor : public QCheckBox {
    Q_OBJECT
public:
    CheckEditor(const Checkbox& checkbox, QWidget* parent = nullptr);

    int value() const { return look_.value; }
    void showValue(int value);
    // A locked check box shows its value dimmed and takes no clicks.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }

signals:
    void typed(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void nextCheckState() override;

private:
    void setValue(int value);

    gui::CheckLook look_;
    int pressedSlot_ = 0;
    bool readOnly_ = false;
};

} // namespace qv::runtime
