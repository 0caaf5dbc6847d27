#include "controls/objectlooks.h"

#include "controls/olecolor.h"
#include "document/objectrecords.h"

namespace qv::gui {

QFont fontOfRecord(const std::string& name, float size, bool bold, bool italic, bool underline)
{
    QFont font(QString::fromStdString(name));
    font.setPointSizeF(size > 0 ? size : 9);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

QColor colorOfRecord(int32_t value)
{
    return colorFromOle(static_cast<uint32_t>(value));
}

ComboLook lookOf(const Combo& combo, const QString& text)
{
    ComboLook look;
    look.backColor = colorOfRecord(combo.backColor);
    look.foreColor = colorOfRecord(combo.foreColor);
    look.font = fontOfRecord(combo.fontName, combo.fontSize, combo.fontBold, combo.fontItalic);
    look.border = combo.border;
    look.backStyle = combo.backStyle;
    look.text = text;
    return look;
}

CheckLook lookOf(const Checkbox& checkbox, int value)
{
    CheckLook look;
    look.value = value;
    look.foreStyle = checkbox.foreStyle;
    look.optionBox = checkbox.optionBx != 0;
    look.slotCount = look.optionBox ? 3 : 1;
    look.borderStyle = checkbox.borderStyle;
    return look;
}

ButtonLook lookOf(const Button& button)
{
    ButtonLook look;
    look.caption = QString::fromStdString(button.caption);
    look.backColor = colorOfRecord(button.backColor);
    look.renderColor = colorOfRecord(button.renderColor);
    look.font = fontOfRecord(button.fontName, static_cast<float>(button.fontSize), false, false);
    look.border = button.border;
    return look;
}

} // namespace qv::gui
