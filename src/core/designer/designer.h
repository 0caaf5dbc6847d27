#pragma once

#include "designer/canvassettings.h"
#include "designer/documentedit.h"
#include "designer/selectionstate.h"
#include "designer/undostack.h"

#include <memory>
#include <string>
#include <type_traits>
#include <utility>

namespace qv {

class LanguageTable;

// What an operation tells the window besides redrawing: a language message by number, or
// a fixed text, to show the user.
struct Outcome {
    bool done = false;
    int message = 0;  // language entry; 0 none
    std::string text; // a fixed text, or the message text when a language table is set

    static Outcome ok() { return {true, 0, {}}; }
};

// The designer's state around the one open document: the selection, the canvas settings
// and the undo history. Operations are free functions over a Designer; each change of
// the document runs through change() and becomes one undo step.
class Designer {
public:
    explicit Designer(ProjectDocument& document, const LanguageTable* language = nullptr);

    ProjectDocument& document() { return doc_; }
    const ProjectDocument& document() const { return doc_; }
    SelectionState& selection() { return selection_; }
    const SelectionState& selection() const { return selection_; }
    CanvasSettings& canvas() { return canvas_; }
    const CanvasSettings& canvas() const { return canvas_; }
    UndoStack& undoStack() { return undo_; }
    const UndoStack& undoStack() const { return undo_; }

    // Entry n of the language table; "" without one.
    std::string languageText(int n) const;
    Outcome message(int n) const;

    // Runs `operation` on a recording edit and keeps it as one undo step when it changed
    // the document. Steps with the same non-empty merge key in a row become one step.
    template <class F>
    auto change(const std::string& name, F&& operation, const std::string& mergeKey = {})
    {
        auto edit = std::make_unique<DocumentEdit>(doc_, selection_);
        if constexpr (std::is_void_v<std::invoke_result_t<F, DocumentEdit&>>) {
            operation(*edit);
            keep(std::move(edit), name, mergeKey);
        } else {
            auto result = operation(*edit);
            keep(std::move(edit), name, mergeKey);
            return result;
        }
    }

    bool undo() { return undo_.undo(doc_, selection_, tracking_ ? &changes_ : nullptr); }
    bool redo() { return undo_.redo(doc_, selection_, tracking_ ? &changes_ : nullptr); }

    // What the steps made, undone and redone since the last call changed; the windows
    // take it after each operation to redraw only that.
    // Nothing is gathered until a window asks for it with trackChanges(true).
    ChangeSummary takeChanges() { return std::exchange(changes_, ChangeSummary{}); }
    void trackChanges(bool on) { tracking_ = on; }

private:
    void keep(std::unique_ptr<DocumentEdit> edit, const std::string& name,
              const std::string& mergeKey);

    ProjectDocument& doc_;
    const LanguageTable* language_;
    SelectionState selection_;
    CanvasSettings canvas_;
    UndoStack undo_;
    ChangeSummary changes_;
    bool tracking_ = false;
};

} // namespace qv
