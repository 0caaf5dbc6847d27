#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace qv::gui {

class DesignDocument;
struct DocumentChange;

// The Edit menu's commands on the design: Undo, Redo, "Copy...", "Paste...", "Delete..."
// and "Select All...". Copy and paste go through the system clipboard as plain text, so
// that objects copied here paste into another running designer and show as text in any
// editor. Ctrl+C, Ctrl+V, Delete and Ctrl+A are their keys; Ctrl+Z undoes, Ctrl+Shift+Z
// and Ctrl+Y redo.
class EditCommands : public QObject {
    Q_OBJECT
public:
    // The actions' shortcuts work anywhere in `window`.
    EditCommands(DesignDocument& document, QWidget* window);

    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    QAction* copyAction() const { return copy_; }
    QAction* pasteAction() const { return paste_; }
    QAction* deleteAction() const { return delete_; }
    QAction* selectAllAction() const { return selectAll_; }
    void addTo(QMenu* menu) const;

    // CopyOb_Click: the selection's text onto the clipboard.
    void copy();
    // PasteOb_Click: the clipboard's objects onto the page shown.
    void paste();
    // DeleteTheObject_Click.
    void deleteSelection();
    // SelAll_Click.
    void selectAll();

signals:
    // A text to show the user (message 68 when fields would exceed their limit).
    void message(const QString& text);

private:
    void update(const DocumentChange& change);

    DesignDocument& document_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* paste_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* selectAll_ = nullptr;
};

} // namespace qv::gui
