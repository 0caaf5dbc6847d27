#pragma once

#include <QLineEdit>

namespace qv::gui {

class DesignDocument;

// MainText: the in-place editor of a label's caption, a real line edit laid over the
// label while it is edited. Enter or leaving it keeps the text (one undo step); Escape
// drops it.
class CaptionEditor : public QLineEdit {
    Q_OBJECT
public:
    CaptionEditor(DesignDocument& document, int titleIndex, int zoom, QWidget* parent);

    int titleIndex() const { return titleIndex_; }
    // Lays the editor over the label's rectangle in viewport pixels.
    void placeOver(const QRect& labelRect);
    // Keeps the typed caption; does nothing once the editor has finished.
    void commit();
    void cancel();

signals:
    void finished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    DesignDocument& document_;
    int titleIndex_;
    bool done_ = false;
};

} // namespace qv::gui
