#pragma once

#include <QPlainTextEdit>

#include <utility>

namespace qv {
struct Notes;
}

namespace qv::runtime {

// The live editor of a notes object: a memo without a frame of its own inside the box the
// design painter draws. TAB moves on to the next object instead of typing a tab, and the
// text never grows beyond the object's length.
class NotesEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    NotesEditor(const Notes& notes, QWidget* parent = nullptr);

    // Shows a value without announcing it as typed.
    void showValue(const QString& text);
    QString value() const { return toPlainText(); }

signals:
    void typed(const QString& text);

private:
    void edited();

    int maxLength_ = 0;
    bool showing_ = false;
    std::pair<int, int> inserted_{0, 0}; // position and length of the last change
};

} // namespace qv::runtime
