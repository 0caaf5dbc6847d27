#pragma once

#include "records/textcase.h"

#include <QLineEdit>

#include <functional>

class QCalendarWidget;

namespace qv {
struct Field;
}

namespace qv::runtime {

// The live editor of a field: a line without a frame of its own, laid over the box the
// design painter draws, so that its text stands where the painter writes a field's text.
// It applies the field's case rule and length as the user types; a date field of an
// application with the calendar option opens a calendar (its button, F4 or a double click).
class FieldEditor : public QLineEdit {
    Q_OBJECT
public:
    FieldEditor(const Field& field, QWidget* parent = nullptr);

    // Gives the field the calendar; `formatDate` writes a chosen day in its date format.
    void setCalendar(std::function<QString(QDate)> formatDate);
    // Shows a value without announcing it as typed.
    void showValue(const QString& text);

signals:
    // The user changed the text (typing, pasting, the calendar), after the case rule.
    void typed(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyCase(const QString& text);
    void openCalendar();

    TextCase case_ = TextCase::AsTyped;
    std::function<QString(QDate)> formatDate_;
    QCalendarWidget* calendar_ = nullptr;
};

} // namespace qv::runtime
