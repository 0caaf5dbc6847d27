#include "noteseditor.h"

#include "controls/objectlooks.h"
#include "document/objectrecords.h"

#include <QTextCursor>

namespace qv::runtime {

NotesEditor::NotesEditor(const Notes& notes, QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(notes.maxLength)
{
    setFrameShape(QFrame::NoFrame);
    setTabChangesFocus(true);
    setFont(gui::fontOfRecord(notes.fontName, notes.fontSize, notes.fontBold, notes.fontItalic));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::transparent);
    palette.setColor(QPalette::Text, gui::colorOfRecord(notes.foreColor));
    setPalette(palette);
    viewport()->setAutoFillBackground(false);
    setToolTip(QString::fromStdString(notes.toolTipText));
    setAccessibleName(QString::fromStdString(notes.tag));
    setAccessibleDescription(QString::fromStdString(notes.toolTipText));
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        inserted_ = {position, added};
    });
    connect(this, &QPlainTextEdit::textChanged, this, &NotesEditor::edited);
}

void NotesEditor::showValue(const QString& text)
{
    if (text == toPlainText())
        return;
    showing_ = true;
    setPlainText(text);
    showing_ = false;
}

void NotesEditor::edited()
{
    if (showing_)
        return;
    const int excess = static_cast<int>(toPlainText().size()) - maxLength_;
    if (maxLength_ > 0 && excess > 0) {
        // Typing or pasting past the length keeps what fits of the new text; what was
        // there before stays whole.
        const int end = inserted_.first + inserted_.second;
        QTextCursor cursor(document());
        cursor.setPosition(std::max(inserted_.first, end - excess));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        showing_ = true;
        cursor.removeSelectedText();
        showing_ = false;
        if (toPlainText().size() > maxLength_) {
            // Not an insertion (the length was over already): cut the end.
            QTextCursor tail(document());
            tail.setPosition(maxLength_);
            tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            showing_ = true;
            tail.removeSelectedText();
            showing_ = false;
        }
    }
    emit typed(toPlainText());
}

} // namespace qv::runtime
