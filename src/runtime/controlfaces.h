#pragma once

#include <QMargins>
#include <QRect>
#include <QString>

class QColor;
class QFont;
class QPainter;
class QPixmap;

namespace qv::gui {
struct ButtonLook;
struct ComboLook;
} // namespace qv::gui

namespace qv {
struct Button;
struct Checkbox;
struct Combo;
struct Field;
struct Notes;
} // namespace qv

namespace qv::runtime {

// The faces of the live controls, drawn without them. A form page makes a live control
// only for the object being typed into and draws every other input object and button as
// its control would draw itself (FieldEditor, NotesEditor, ComboEditor, CheckEditor,
// DesignButton, none of them focused), so that making the control on a click or a TAB
// changes no pixel. The rectangles are the controls' geometries.

// The horizontal alignment of a field's text by its Alignment value.
Qt::Alignment fieldAlignment(int16_t alignment);

// The small calendar page of a date field's calendar button.
const QPixmap& calendarPixmap();

// Where a combo's text stands inside its control: right of the border, left of the
// drop-down button.
QRect comboButtonRect(const QRect& control, int border);
QMargins comboTextMargins(const QRect& control, int border);

// A field's text as its FieldEditor shows it when not focused; `calendar` adds the
// calendar button of a date field.
void paintFieldFace(QPainter& painter, const Field& field, const QRect& control,
                    const QString& text, bool calendar);
void paintNotesFace(QPainter& painter, const Notes& notes, const QRect& control,
                    const QString& text);
// Combos and check boxes look dimmed when locked (`enabled` false).
void paintComboFace(QPainter& painter, const Combo& combo, const QRect& control,
                    const QString& text, bool enabled);
void paintCheckboxFace(QPainter& painter, const Checkbox& checkbox, const QRect& control, int value,
                       bool enabled);
void paintButtonFace(QPainter& painter, const Button& button, const QRect& control);

// A button face and a combo's face without its text, drawn through one pixmap per look and
// size, shared by every object that looks alike: a page of a thousand alike buttons draws
// one. Live controls draw themselves through the same pixmaps, pixel for pixel.
void paintButtonLook(QPainter& painter, const gui::ButtonLook& look, const QRect& rect);
void paintComboLook(QPainter& painter, const gui::ComboLook& look, const QRect& rect);

// One line of text as a frameless QLineEdit with its caret at the start draws it inside
// `contents` (its rectangle less its text margins).
void paintLineText(QPainter& painter, const QRect& contents, const QFont& font, const QColor& color,
                   Qt::Alignment alignment, const QString& text);

} // namespace qv::runtime
