#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;

namespace qv::gui {

class DesignDocument;

// A text box whose typing changes the design as it goes, the way the designer's boxes
// apply their value at every key. Everything typed between the first key and leaving the
// box (or Return) is one undo step. The undo and redo keys in the box undo the design, not
// the box's own text, so that Ctrl+Z means the same wherever the user is.
class TypedBox : public QObject {
    Q_OBJECT
public:
    // `apply` gets the box's text after every key that changed it.
    TypedBox(DesignDocument& document, QLineEdit* box, QString stepName,
             std::function<void(const QString&)> apply);

    QLineEdit* box() const { return box_; }
    // True while the user types: what the box shows is then the user's, not the panel's.
    bool typing() const;
    // Shows `text` unless the user is typing.
    void show(const QString& text);

    // Gives the undo and redo keys of `widget` to the window (the design's undo).
    static void passUndoKeys(QWidget* widget);

signals:
    // The typing ended: the box may show the design's value again.
    void finished();

private:
    void edited(const QString& text);
    void finish();

    DesignDocument& document_;
    QLineEdit* box_;
    QString stepName_;
    std::function<void(const QString&)> apply_;
    bool typing_ = false;
};

// The box takes the digits 0-9 only, as the numeric boxes of the designer do: a typed
// sign, decimal point or letter is discarded. Keys that type nothing (Backspace, Delete,
// the arrows, Tab, Return, shortcuts) work as in any box, and what the box already shows
// (a fraction in inches) can still be edited.
void acceptDigitsOnly(QWidget* box);

} // namespace qv::gui
