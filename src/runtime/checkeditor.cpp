#include "checkeditor.h"

#include "controls/objectlooks.h"
#include "document/objectrecords.h"

#include <QMouseEvent>
#include <QPainter>

namespace qv::runtime {

CheckEditor::CheckEditor(const Checkbox& checkbox, QWidget* parent)
    : QCheckBox(parent), look_(gui::lookOf(checkbox, 0))
{
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(QString::fromStdString(checkbox.toolTipText));
    setAccessibleName(QString::fromStdString(checkbox.tag));
    setAccessibleDescription(QString::fromStdString(checkbox.toolTipText));
}

void CheckEditor::showValue(int value)
{
    look_.value = value;
    setChecked(value != 0);
    update();
}

void CheckEditor::setReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    update();
}

void CheckEditor::setValue(int value)
{
    if (readOnly_ || value == look_.value)
        return;
    showValue(value);
    emit typed(value);
}

void CheckEditor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    gui::CheckLook look = look_;
    look.enabled = !readOnly_;
    gui::paintNewCheck(painter, look, rect());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

bool CheckEditor::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void CheckEditor::mousePressEvent(QMouseEvent* event)
{
    pressedSlot_ = gui::newCheckSlotAt(look_, static_cast<int>(event->position().x()));
    QCheckBox::mousePressEvent(event);
}

void CheckEditor::nextCheckState()
{
    // Called by a click and by Space; the value, not the button's state, is what counts.
    if (!look_.optionBox) {
        setValue(look_.value == 0 ? 1 : 0);
    } else if (pressedSlot_ > 0) {
        setValue(pressedSlot_);
    } else {
        setValue(look_.value % std::max(1, look_.slotCount) + 1);
    }
    pressedSlot_ = 0;
    setChecked(look_.value != 0);
}

} // namespace qv::runtime
