#include "fieldeditor.h"

#include "controls/objectlooks.h"
#include "document/objectrecords.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace qv::runtime {

namespace {

Qt::Alignment alignmentOf(int16_t alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

// A small calendar page for the calendar button.
QIcon calendarIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(Qt::white);
    painter.drawRect(1, 2, 13, 12);
    painter.fillRect(2, 3, 12, 3, QColor(200, 60, 60));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            painter.fillRect(3 + col * 4, 8 + row * 3, 2, 2, QColor(60, 60, 60));
    return QIcon(pixmap);
}

} // namespace

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
    setAlignment(alignmentOf(field.alignment) | Qt::AlignVCenter);
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
    QAction* action = addAction(calendarIcon(), QLineEdit::TrailingPosition);
    action->setToolTip(tr("Calendar"));
    connect(action, &QAction::triggered, this, &FieldEditor::openCalendar);
}

void FieldEditor::showValue(const QString& text)
{
    if (text == this->text())
        return;
    const QSignalBlocker blocker(this);
    setText(text);
    setCursorPosition(0);
}

void FieldEditor::applyCase(const QString& text)
{
    const QString cased = QString::fromStdString(ApplyTextCase(case_, text.toStdString()));
    if (cased != text) {
        const int caret = cursorPosition();
        const QSignalBlocker blocker(this);
        setText(cased);
        setCursorPosition(std::min<int>(caret, static_cast<int>(cased.size())));
    }
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
