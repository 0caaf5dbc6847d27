#pragma once

#include "canvas/documentchange.h"
#include "designer/designer.h"
#include "designer/pagesize.h"

#include <QObject>
#include <QString>

#include <type_traits>
#include <utility>

namespace qv {
class LanguageTable;
struct ProjectDocument;
} // namespace qv

namespace qv::gui {

// The open design as the windows see it: the Designer (document, selection, canvas
// settings, undo history) behind one change signal.
//
// Contract for every window that shows or edits the design (canvas, toolbox, property
// panel, page-size / unit / grid menus, position boxes, dialogs):
//  - Read freely through document(), selection(), canvas() and surface().
//  - Change anything only through run() (command() from menus, the panel and dialogs): it
//    calls a core operation of src/core/designer with the Designer (which records each
//    document edit as an undo step through Designer::change()) and then emits changed()
//    once with what differs. Never edit the ProjectDocument or the SelectionState around
//    it: the canvas would not redraw and undo would not know.
//  - Listen to changed() and update only what the change names. Objects lists each record
//    touched, created or removed; Reload means everything; Page means another page is
//    shown. A window must not call run() from inside its changed() handler.
//  - A pointer gesture (create and place, draw, drag and release) is one undo step:
//    beginGesture() before its first operation, endGesture() after its last.
//
// The ProjectDocument itself belongs to the caller and outlives this object; after the
// caller replaces its contents (a project opened), documentReplaced() starts afresh.
class DesignDocument : public QObject {
    Q_OBJECT
public:
    DesignDocument(ProjectDocument& document, const LanguageTable* language,
                   QObject* parent = nullptr);
    ~DesignDocument() override;

    const ProjectDocument& document() const { return designer_.document(); }
    const Designer& designer() const { return designer_; }
    const SelectionState& selection() const { return designer_.selection(); }
    const CanvasSettings& canvas() const { return designer_.canvas(); }
    // The page of the designed window, in pixels.
    SurfacePixels surface() const;
    int currentPage() const;

    // Runs `operation(Designer&)` and announces what it changed; returns its result.
    template <class F> decltype(auto) run(F&& operation)
    {
        const Snapshot before = snapshot();
        if constexpr (std::is_void_v<std::invoke_result_t<F, Designer&>>) {
            operation(designer_);
            announce(before);
        } else {
            decltype(auto) result = operation(designer_);
            announce(before);
            return result;
        }
    }

    // run() for a command from a menu, the panel or a dialog: a placement in progress ends
    // first, so the command never joins the step of the object that follows the pointer.
    template <class F> decltype(auto) command(F&& operation)
    {
        endPlacement();
        return run(std::forward<F>(operation));
    }

    // Everything run from beginGesture to endGesture is one undo step named `name`.
    void beginGesture(const QString& name);
    void endGesture();
    // Ends the gesture and a placement in progress: an object that followed the pointer
    // stays where it is. Commands from menus call this first.
    void endPlacement();

    bool canUndo() const;
    bool canRedo() const;
    QString undoName() const;
    QString redoName() const;
    // Undo and redo also end a placement in progress.
    bool undo();
    bool redo();

    // PGE: shows page 0..4. Not an undo step.
    void showPage(int page);

    // The canvas's scroll position in document pixels, which paste measures from. Not
    // announced: it is the view's state.
    void setScrollPosition(double x, double y);

    // Changes the unit, grid or snap flag and announces CanvasSettings.
    template <class F> void changeCanvasSettings(F&& change)
    {
        change(designer_.canvas());
        DocumentChange c;
        c.flags = DocumentChange::CanvasSettings;
        emit changed(c);
    }

    // The caller put another design into the document: clears the undo history and the
    // selection, shows page 1 and announces Reload.
    void documentReplaced();
    // The caller wrote the document to its file: undo and redo from here tell by the
    // history whether the document still matches it.
    void documentSaved() { designer_.undoStack().markSaved(); }

signals:
    void changed(const qv::gui::DocumentChange& change);

private:
    struct Snapshot {
        SelectionState selection;
        int page = 0;
        uint8_t modified = 0;
        bool canUndo = false;
        bool canRedo = false;
        std::string undoName;
        std::string redoName;
        size_t steps = 0;
    };
    Snapshot snapshot() const;
    void announce(const Snapshot& before);

    Designer designer_;
};

} // namespace qv::gui
