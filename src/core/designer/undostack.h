#pragma once

#include "designer/documentedit.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qv {

// The finished steps of the designer, newest last, with the position between done and
// undone steps. Holds at least `capacity` steps; older ones are dropped.
class UndoStack {
public:
    static constexpr int kDefaultCapacity = 200;

    explicit UndoStack(int capacity = kDefaultCapacity) : capacity_(capacity) {}

    // Adds a finished step; a step with a merge key equal to the previous step's key is
    // folded into it when possible (a drag is one step). Undone steps are discarded.
    // While a group is open the edit joins the group's step instead.
    void push(std::unique_ptr<DocumentEdit> edit, std::string name, std::string mergeKey = {});

    // Every edit pushed from here to endGroup() becomes part of one step named `name`
    // (a whole gesture of the pointer: create and place, draw, drag and release). A group
    // that receives no edit leaves no step. Opening a group ends an open one.
    void beginGroup(std::string name);
    void endGroup();
    bool groupOpen() const { return groupOpen_; }

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    std::string undoName() const { return canUndo() ? steps_[done_ - 1].name : std::string(); }
    std::string redoName() const { return canRedo() ? steps_[done_].name : std::string(); }

    // Undo and redo end an open group first. `summary`, when given, collects what the
    // step changed.
    bool undo(ProjectDocument& document, SelectionState& selection,
              ChangeSummary* summary = nullptr);
    bool redo(ProjectDocument& document, SelectionState& selection,
              ChangeSummary* summary = nullptr);
    // Ends merging: the next step starts a new entry even with the same key.
    void closeMerge() { mergeOpen_ = false; }
    void clear();
    // The document was just written to its file. From here undo and redo set its modified
    // flag by whether they lead back to what was written, not by what the flag was when
    // the step was made (a step made before the save would otherwise clear the flag of a
    // document that differs from its file).
    void markSaved();

    size_t size() const { return steps_.size(); }

private:
    struct Step {
        std::vector<std::unique_ptr<DocumentEdit>> edits; // in the order they were made
        std::string name;
        std::string mergeKey; // of the last edit
    };
    std::deque<Step> steps_;
    size_t done_ = 0;
    int capacity_;
    bool mergeOpen_ = false;
    bool groupOpen_ = false;
    bool groupHasStep_ = false; // the open group's step is steps_.back()
    std::string groupName_;
    // How many steps are done when the document matches its file: nullopt until a save,
    // kUnreachable once the steps that led there are gone or changed.
    static constexpr size_t kUnreachable = static_cast<size_t>(-1);
    std::optional<size_t> savedAt_;
    void settleModified(ProjectDocument& document) const;
};

} // namespace qv
