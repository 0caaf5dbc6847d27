#include "designer/undostack.h"

namespace qv {

void UndoStack::push(std::unique_ptr<DocumentEdit> edit, std::string name, std::string mergeKey)
{
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    if (mergeOpen_ && !mergeKey.empty() && !steps_.empty() && steps_.back().mergeKey == mergeKey &&
        steps_.back().edit->mergeWith(*edit)) {
        return;
    }
    steps_.push_back(Step{std::move(edit), std::move(name), mergeKey});
    mergeOpen_ = !mergeKey.empty();
    if (steps_.size() > static_cast<size_t>(capacity_))
        steps_.pop_front();
    done_ = steps_.size();
}

bool UndoStack::undo(ProjectDocument& document, SelectionState& selection)
{
    if (!canUndo())
        return false;
    --done_;
    steps_[done_].edit->undo(document, selection);
    mergeOpen_ = false;
    return true;
}

bool UndoStack::redo(ProjectDocument& document, SelectionState& selection)
{
    if (!canRedo())
        return false;
    steps_[done_].edit->redo(document, selection);
    ++done_;
    mergeOpen_ = false;
    return true;
}

void UndoStack::clear()
{
    steps_.clear();
    done_ = 0;
    mergeOpen_ = false;
}

} // namespace qv
