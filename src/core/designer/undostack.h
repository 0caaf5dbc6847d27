#pragma once

#include "designer/documentedit.h"

#include <deque>
#include <memory>
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
};

} // namespace qv
