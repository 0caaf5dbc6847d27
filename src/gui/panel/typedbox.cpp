#include "panel/typedbox.h"

#include "canvas/designdocument.h"
#include "designer/canvassettings.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace qv::gui {

namespace {

// Leaves the undo and redo keys to the window's shortcuts: a box would otherwise take
// them for its own text.
class UndoKeysToWindow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
                key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// Discards the typed characters that are not digits.
class DigitKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            for (const QChar c : typed) {
                const char key = c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : 'x';
                if (c.isPrint() && !acceptsBoxKey(key))
                    return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

TypedBox::TypedBox(DesignDocument& document, QLineEdit* box, QString stepName,
                   std::function<void(const QString&)> apply)
    : QObject(box), document_(document), box_(box), stepName_(std::move(stepName)),
      apply_(std::move(apply))
{
    passUndoKeys(box);
    connect(box, &QLineEdit::textEdited, this, &TypedBox::edited);
    connect(box, &QLineEdit::editingFinished, this, &TypedBox::finish);
}

bool TypedBox::typing() const
{
    // Undo ends the typing's step; the box then shows what the undo gave back.
    return typing_ && document_.designer().undoStack().groupOpen();
}

void TypedBox::show(const QString& text)
{
    if (!typing() && box_->text() != text)
        box_->setText(text);
}

void TypedBox::edited(const QString& text)
{
    if (!typing()) {
        // A tool in hand is put down first, as by any command.
        document_.endPlacement();
        document_.beginGesture(stepName_);
        typing_ = true;
    }
    apply_(text);
}

void TypedBox::finish()
{
    if (typing())
        document_.endGesture();
    typing_ = false;
    emit finished();
}

void TypedBox::passUndoKeys(QWidget* widget)
{
    widget->installEventFilter(new UndoKeysToWindow(widget));
}

void acceptDigitsOnly(QWidget* box)
{
    box->installEventFilter(new DigitKeys(box));
}

} // namespace qv::gui
