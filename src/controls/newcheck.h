#pragma once

#include "controls/checklook.h"
#include "controls/eventcontrol.h"

namespace qv::gui {

// The check and option boxes of the designed application. As a check box a click toggles
// Value between 0 and 1; as an option box (OptionBx not 0) the boxes stand in a row of
// slots and a click makes the slot under the pointer (1, 2, ...) the value. MouseDown
// reaches the container only when the click changed the value.
class NewCheck : public EventControl {
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int ForeStyle READ foreStyle WRITE setForeStyle)
    Q_PROPERTY(int OptionBx READ optionBx WRITE setOptionBx)
    Q_PROPERTY(int OptionCount READ optionCount WRITE setOptionCount)
    Q_PROPERTY(int CheckWidth READ checkWidth WRITE setCheckWidth)
    Q_PROPERTY(int CheckHeight READ checkHeight WRITE setCheckHeight)
    Q_PROPERTY(QPixmap Image READ image WRITE setImage)

public:
    explicit NewCheck(QWidget* parent = nullptr);

    int value() const { return m_look.value; }
    // Stores the value and redraws with the checked picture in slot Value; raises no event.
    void setValue(int value);
    QColor foreColor() const { return m_look.foreColor; }
    void setForeColor(const QColor& color);
    int borderStyle() const { return m_look.borderStyle; }
    void setBorderStyle(int style);
    int foreStyle() const { return m_look.foreStyle; }
    void setForeStyle(int style);
    int optionBx() const { return m_look.optionBox ? 1 : 0; }
    void setOptionBx(int option);
    // Number of boxes of an option box (the check box dialog offers two or three).
    int optionCount() const { return m_look.slotCount; }
    void setOptionCount(int count);
    int checkWidth() const { return m_look.pictureSize.width(); }
    void setCheckWidth(int pixels);
    int checkHeight() const { return m_look.pictureSize.height(); }
    void setCheckHeight(int pixels);
    QPixmap image() const { return m_look.image; }
    void setImage(const QPixmap& picture);

    CheckLook look() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CheckLook m_look;
};

} // namespace qv::gui
