#pragma once

#include "designer/documentedit.h"

#include <deque>
#include <memory>
#include <string>

namespace qv {

// The finished steps of the designer, newest last, with the position between done and
// undone steps. Holds at least `capacity` steps; older ones are dropped.
class UndoStack {
public:
    static constexpr int kDefaultCapacity = 200;

    explicit UndoStack(int capacity = kDefaultCapacity) : capacity_(capacity) {}

    // Adds a finished step; a step with a merge key equal to the previous step's key is
    // folded into it when possible (a drag is one step). Undone steps are discarded.
    void push(std::unique_ptr<DocumentEdit> edit, std::string name, std::string mergeKey = {});

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    std::string undoName() const { return canUndo() ? steps_[done_ - 1].name : std::string(); }
    std::string redoName() const { return canRedo() ? steps_[done_].name : std::string(); }

    bool undo(ProjectDocument& document, SelectionState& selection);
    bool redo(ProjectDocument& document, SelectionState& selection);
    // Ends merging: the next step starts a new entry even with the same key.
    void closeMerge() { mergeOpen_ = false; }
    void clear();

    size_t size() const { return steps_.size(); }

private:
    struct Step {
        std::unique_ptr<DocumentEdit> edit;
        std::string name;
        std::string mergeKey;
    };
    std::deque<Step> steps_;
    size_t done_ = 0;
    int capacity_;
    bool mergeOpen_ = false;
};

} // namespace qv
