#pragma once

#include "designer/changesummary.h"
#include "designer/kindtables.h"
#include "designer/objectref.h"
#include "designer/selectionstate.h"

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace qv {

// What one step changed in one kind's table: the records it touched (before and after),
// the objects it appended, or, for steps that renumber the kind, the whole table.
template <class T> struct KindChange {
    int oldHigh = 0;
    int newHigh = 0;
    T oldTemplate;
    T newTemplate;
    std::unordered_map<int, T> before;
    std::unordered_map<int, T> after;
    std::vector<T> appended; // indices oldHigh + 1 .. newHigh
    std::optional<ObjectTable<T>> oldTable;
    std::optional<ObjectTable<T>> newTable;
};

// One undoable step, recorded while an operation runs: the operation announces each
// record before it changes it (touch) or, when it renumbers a kind, the whole table
// (touchTable). Appended objects, the current page, the modified flag and the selection are
// captured without being announced. Only what was touched is stored, so a step that moves
// one object of 25,000 costs one record.
class DocumentEdit {
public:
    DocumentEdit(ProjectDocument& document, SelectionState& selection);

    ProjectDocument& document() { return doc_; }
    const ProjectDocument& document() const { return doc_; }
    SelectionState& selection() { return sel_; }

    template <class T> T& touch(int index)
    {
        auto& change = std::get<KindChange<T>>(changes_);
        ObjectTable<T>& table = tableOf<T>(doc_);
        if (!change.oldTable && index <= change.oldHigh && !change.before.contains(index))
            change.before.emplace(index, table[index]);
        return table[index];
    }

    // Calls f(record) with the record of `ref`, announced as touched; nothing when the
    // object does not exist. Returns whether it existed.
    template <class F> bool touchObject(ObjectRef ref, F&& f)
    {
        return visitTable(doc_, ref.kind, [&](auto& table) {
            using T = RecordType<decltype(table)>;
            if (!table.contains(ref.index))
                return false;
            f(touch<T>(ref.index));
            return true;
        });
    }

    void touchTable(ObjectKind kind);
    void touchSettings();
    void touchReports();

    // Records the state after the operation; the edit is then a finished step.
    void finish();
    // True when the document or the selection differs from the start.
    bool changedDocument() const { return documentChanged_; }

    void undo(ProjectDocument& document, SelectionState& selection) const;
    void redo(ProjectDocument& document, SelectionState& selection) const;

    // Adds what this step changes, in either direction, to `summary`.
    void summarise(ChangeSummary& summary) const;

    // Takes over `later` when both touched the same records of the same kinds and
    // appended, renumbered and configured nothing: one drag becomes one step.
    bool mergeWith(const DocumentEdit& later);

private:
    ProjectDocument& doc_;
    SelectionState& sel_;
    std::tuple<KindChange<Field>, KindChange<Notes>, KindChange<Combo>, KindChange<Picture>,
               KindChange<Checkbox>, KindChange<Title>, KindChange<Line>, KindChange<Square>,
               KindChange<Script>, KindChange<Button>>
        changes_;
    std::optional<AppSettings> oldSettings_, newSettings_;
    std::optional<std::vector<ReportSlot>> oldReports_, newReports_;
    int oldPage_ = 0, newPage_ = 0;
    uint8_t oldModified_ = 0, newModified_ = 0;
    SelectionState oldSelection_, newSelection_;
    bool documentChanged_ = false;
    bool finished_ = false;
};

} // namespace qv
