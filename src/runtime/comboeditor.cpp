#include "comboeditor.h"

#include "controlfaces.h"
#include "linetext.h"

#include "controls/objectlooks.h"
#include "document/objectrecords.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>

namespace qv::runtime {

namespace {

constexpr int kCompletes = 4;

} // namespace

ComboEditor::ComboEditor(const Combo& combo, QWidget* parent)
    : QLineEdit(parent), look_(gui::lookOf(combo, QString())), case_(ComboTextCase(combo.textCase)),
      completes_(combo.textCase == kCompletes)
{
    for (const std::string& item : combo.listItems) {
        items_ << QString::fromStdString(item);
        itemTexts_.push_back(item);
    }
    setFrame(false);
    setFont(look_.font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, look_.foreColor);
    setPalette(palette);
    if (combo.maxLength > 0)
        setMaxLength(combo.maxLength);
    setToolTip(QString::fromStdString(combo.toolTipText));
    setAccessibleName(QString::fromStdString(combo.tag));
    setAccessibleDescription(QString::fromStdString(combo.toolTipText));
    connect(this, &QLineEdit::textEdited, this, &ComboEditor::edited);
}

QRect ComboEditor::buttonRect() const
{
    return comboButtonRect(rect(), look_.border);
}

void ComboEditor::paintEvent(QPaintEvent* event)
{
    {
        // The combo control's face with an empty text; the line writes the text on it.
        QPainter painter(this);
        gui::ComboLook look = look_;
        look.enabled = !isReadOnly();
        paintComboLook(painter, look, rect());
    }
    QLineEdit::paintEvent(event);
}

void ComboEditor::resizeEvent(QResizeEvent* event)
{
    setTextMargins(comboTextMargins(rect(), look_.border));
    QLineEdit::resizeEvent(event);
}

void ComboEditor::showValue(const QString& text)
{
    showLineValue(*this, text);
}

void ComboEditor::edited(const QString& text)
{
    applyLineCase(*this, case_, text);
    emit typed(this->text());
}

bool ComboEditor::complete(const QString& character)
{
    const QString typedSoFar = hasSelectedText() ? text().left(selectionStart()) : text();
    const QString candidate = typedSoFar + character;
    const int found = CompletionIndex(candidate.toStdString(), itemTexts_);
    if (found < 0)
        return false;
    const QString item = items_[found];
    {
        const QSignalBlocker blocker(this);
        setText(item);
    }
    // The caret stands after what was typed; the rest of the item is selected, so that the
    // next letter replaces it.
    setSelection(static_cast<int>(item.size()),
                 std::min<int>(static_cast<int>(candidate.size()), static_cast<int>(item.size())) -
                     static_cast<int>(item.size()));
    emit typed(item);
    return true;
}

void ComboEditor::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly()) {
        if (event->key() == Qt::Key_F4 ||
            (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier)) {
            openList();
            return;
        }
        const QString character = event->text();
        if (completes_ && character.size() == 1 && character[0].isPrint() &&
            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            (maxLength() <= 0 || text().size() < maxLength() || hasSelectedText()) &&
            complete(character))
            return;
    }
    QLineEdit::keyPressEvent(event);
}

void ComboEditor::mousePressEvent(QMouseEvent* event)
{
    if (buttonRect().contains(event->position().toPoint()) && !isReadOnly()) {
        setFocus(Qt::MouseFocusReason);
        openList();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void ComboEditor::openList()
{
    if (items_.isEmpty() || isReadOnly())
        return;
    if (!list_) {
        list_ = new QMenu(this);
        list_->setAccessibleName(accessibleName());
        for (const QString& item : items_) {
            QAction* action = list_->addAction(item);
            connect(action, &QAction::triggered, this, [this, item] {
                setText(item);
                emit typed(item);
            });
        }
    }
    list_->setMinimumWidth(width());
    list_->popup(mapToGlobal(QPoint(0, height())));
}

} // namespace qv::runtime
