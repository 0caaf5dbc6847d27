#pragma once

#include "designer/objectcreation.h"

#include <QToolBar>

#include <vector>

namespace qv::gui {

class DesignDocument;
struct DocumentChange;

// The toolbox of the main window: one button per kind of object (Image1 .. Image14,
// FrameBt), the area-selection tool (Select_Button) and the two lock buttons (LOckBttn).
// Every button carries its tool tip as its accessible name. A tool's click creates the
// object and starts its placement or drawing on the canvas, all one undo step; a full
// kind is refused with its message.
class Toolbox : public QToolBar {
    Q_OBJECT
public:
    explicit Toolbox(DesignDocument& document, QWidget* parent = nullptr);

    // The button of the tool with this tool tip; nullptr when there is none.
    QAction* actionFor(const QString& toolTip) const;

    // Creates an object with a tool, as its button does.
    void useTool(Tool tool);
    // Select_Button: enters or leaves area-selection mode.
    void toggleAreaSelection();
    // LOckBttn: locks or unlocks the canvas.
    void toggleLock();

signals:
    // A text to show the user (a kind is full, the e-mail field exists).
    void message(const QString& text);

private:
    QAction* addTool(const QString& toolTip, const QIcon& icon);
    void apply(const DocumentChange& change);
    void updateState();

    DesignDocument& document_;
    std::vector<QAction*> creating_; // hidden while the canvas is locked
    QAction* areaTool_ = nullptr;
    QAction* lock_ = nullptr;   // LOckBttn item 0, shown while unlocked
    QAction* unlock_ = nullptr; // LOckBttn item 1, shown while locked
};

} // namespace qv::gui
