#include "fieldeditor.h"

#include "controlfaces.h"
#include "linetext.h"

#include "controls/objectlooks.h"
#include "document/objectrecords.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>

namespace qv::runtime {

FieldEditor::FieldEditor(const Field& field, QWidget* parent)
    : QLineEdit(parent), case_(FieldTextCase(field.caseRule))
{
    setFrame(false);
    setFont(gui::fontOfRecord(field.fontName, field.fontSize, field.fontBold, field.fontItalic));
    QPalette palette = this->palette();
    // The design painter has drawn the box; the editor adds only the text.
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, gui::colorOfRecord(field.foreColor));
    setPalette(palette);
    setAutoFillBackground(false);
    setAlignment(fieldAlignment(field.alignment) | Qt::AlignVCenter);
    if (field.maxLength > 0)
        setMaxLength(field.maxLength);
    setToolTip(QString::fromStdString(field.toolTipText));
    setAccessibleName(QString::fromStdString(field.tag));
    setAccessibleDescription(QString::fromStdString(field.toolTipText));
    connect(this, &QLineEdit::textEdited, this, &FieldEditor::applyCase);
}

void FieldEditor::setCalendar(std::function<QString(QDate)> formatDate)
{
    formatDate_ = std::move(formatDate);
    QAction* action = addAction(QIcon(calendarPixmap()), QLineEdit::TrailingPosition);
    action->setToolTip(tr("Calendar"));
    connect(action, &QAction::triggered, this, &FieldEditor::openCalendar);
}

void FieldEditor::showValue(const QString& text)
{
    showLineValue(*this, text);
}

void FieldEditor::applyCase(const QString& text)
{
    applyLineCase(*this, case_, text);
    emit typed(this->text());
}

void FieldEditor::keyPressEvent(QKeyEvent* event)
{
    if (formatDate_ && !isReadOnly() &&
        (event->key() == Qt::Key_F4 ||
         (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier))) {
        openCalendar();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void FieldEditor::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (formatDate_ && !isReadOnly()) {
        openCalendar();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

void FieldEditor::openCalendar()
{
    if (isReadOnly())
        return;
    if (!calendar_) {
        calendar_ = new QCalendarWidget(this);
        calendar_->setWindowFlags(Qt::Popup);
        calendar_->setAccessibleName(tr("Calendar"));
        connect(calendar_, &QCalendarWidget::clicked, this, [this](QDate day) {
            calendar_->hide();
            setText(formatDate_(day));
            setFocus();
            emit typed(text());
        });
    }
    calendar_->setSelectedDate(QDate::currentDate());
    calendar_->adjustSize();
    calendar_->move(mapToGlobal(QPoint(0, height())));
    calendar_->show();
    calendar_->setFocus();
}

} // namespace qv::runtime
