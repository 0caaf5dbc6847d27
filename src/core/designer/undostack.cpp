#include "designer/undostack.h"

namespace qv {

void UndoStack::push(std::unique_ptr<DocumentEdit> edit, std::string name, std::string mergeKey)
{
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    if (savedAt_ && *savedAt_ > done_)
        savedAt_ = kUnreachable; // the saved state was undone and is now dropped
    if (groupOpen_ && groupHasStep_ && steps_.empty())
        groupHasStep_ = false; // the group's step was dropped by the capacity
    const bool intoGroup = groupOpen_ && groupHasStep_;
    // Folding this edit into the last step changes what that step leads to.
    const bool changesLastStep = intoGroup || (mergeOpen_ && !mergeKey.empty() && !steps_.empty() &&
                                               steps_.back().mergeKey == mergeKey);
    if (changesLastStep && savedAt_ == done_)
        savedAt_ = kUnreachable;
    if (mergeOpen_ && !mergeKey.empty() && !steps_.empty() && steps_.back().mergeKey == mergeKey &&
        steps_.back().edits.back()->mergeWith(*edit)) {
        return;
    }
    if (intoGroup) {
        steps_.back().edits.push_back(std::move(edit));
        steps_.back().mergeKey = mergeKey;
    } else {
        Step step;
        step.edits.push_back(std::move(edit));
        step.name = groupOpen_ ? groupName_ : std::move(name);
        step.mergeKey = mergeKey;
        steps_.push_back(std::move(step));
        groupHasStep_ = groupOpen_;
        if (steps_.size() > static_cast<size_t>(capacity_)) {
            steps_.pop_front();
            if (savedAt_ && *savedAt_ != kUnreachable)
                savedAt_ = *savedAt_ == 0 ? kUnreachable : *savedAt_ - 1;
        }
    }
    mergeOpen_ = !mergeKey.empty();
    done_ = steps_.size();
}

void UndoStack::beginGroup(std::string name)
{
    endGroup();
    groupOpen_ = true;
    groupHasStep_ = false;
    groupName_ = std::move(name);
    mergeOpen_ = false;
}

void UndoStack::endGroup()
{
    groupOpen_ = false;
    groupHasStep_ = false;
    mergeOpen_ = false;
}

bool UndoStack::undo(ProjectDocument& document, SelectionState& selection, ChangeSummary* summary)
{
    endGroup();
    if (!canUndo())
        return false;
    --done_;
    const Step& step = steps_[done_];
    for (auto edit = step.edits.rbegin(); edit != step.edits.rend(); ++edit) {
        (*edit)->undo(document, selection);
        if (summary)
            (*edit)->summarise(*summary);
    }
    settleModified(document);
    return true;
}

bool UndoStack::redo(ProjectDocument& document, SelectionState& selection, ChangeSummary* summary)
{
    endGroup();
    if (!canRedo())
        return false;
    for (const auto& edit : steps_[done_].edits) {
        edit->redo(document, selection);
        if (summary)
            edit->summarise(*summary);
    }
    ++done_;
    settleModified(document);
    return true;
}

void UndoStack::clear()
{
    steps_.clear();
    done_ = 0;
    savedAt_.reset();
    endGroup();
}

void UndoStack::markSaved()
{
    savedAt_ = done_;
}

void UndoStack::settleModified(ProjectDocument& document) const
{
    if (savedAt_)
        document.modified = done_ == *savedAt_ ? 0 : 1;
}

} // namespace qv
