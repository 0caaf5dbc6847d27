#include "designer/documentedit.h"

#include <cassert>

namespace qv {

namespace {

template <class F> void forEachChange(auto&& changes, F&& f)
{
    std::apply([&](auto&... change) { (f(change), ...); }, changes);
}

template <class T> void beginKind(KindChange<T>& change, const ObjectTable<T>& table)
{
    change.oldHigh = table.highWater();
    change.oldTemplate = table.templateElement();
}

template <class T> bool finishKind(KindChange<T>& change, ObjectTable<T>& table)
{
    change.newHigh = table.highWater();
    change.newTemplate = table.templateElement();
    if (change.oldTable) {
        change.newTable = table;
        return true;
    }
    for (auto& [index, record] : change.before)
        change.after.emplace(index, table[index]);
    for (int i = change.oldHigh + 1; i <= change.newHigh; ++i)
        change.appended.push_back(table[i]);
    // An operation that shrinks a table announces it with touchTable.
    assert(change.newHigh >= change.oldHigh);
    return !change.before.empty() || change.newHigh != change.oldHigh;
}

template <class T>
void restoreKind(const KindChange<T>& change, ObjectTable<T>& table, bool forward)
{
    if (change.oldTable) {
        table = forward ? *change.newTable : *change.oldTable;
        return;
    }
    if (forward) {
        table.setHighWater(change.newHigh);
        table.templateElement() = change.newTemplate;
        for (size_t i = 0; i < change.appended.size(); ++i)
            table[change.oldHigh + 1 + static_cast<int>(i)] = change.appended[i];
        for (const auto& [index, record] : change.after)
            table[index] = record;
    } else {
        table.setHighWater(change.oldHigh);
        table.templateElement() = change.oldTemplate;
        for (const auto& [index, record] : change.before)
            table[index] = record;
    }
}

template <class T> bool plainRecordChange(const KindChange<T>& change)
{
    return !change.oldTable && change.oldHigh == change.newHigh;
}

} // namespace

DocumentEdit::DocumentEdit(ProjectDocument& document, SelectionState& selection)
    : doc_(document), sel_(selection)
{
    forEachChange(changes_, [&](auto& change) {
        using T = std::decay_t<decltype(change.oldTemplate)>;
        beginKind(change, tableOf<T>(doc_));
    });
    oldPage_ = doc_.currentPage;
    oldModified_ = doc_.modified;
    oldSelection_ = sel_;
}

void DocumentEdit::touchTable(ObjectKind kind)
{
    forEachChange(changes_, [&](auto& change) {
        using T = std::decay_t<decltype(change.oldTemplate)>;
        if (KindOf<T>::value != kind || change.oldTable)
            return;
        ObjectTable<T> copy = tableOf<T>(doc_);
        // Objects appended and records touched earlier in this step go back to how they
        // were when the step began.
        copy.setHighWater(change.oldHigh);
        copy.templateElement() = change.oldTemplate;
        for (auto& [index, record] : change.before)
            copy[index] = record;
        change.before.clear();
        change.oldTable.emplace(std::move(copy));
    });
}

void DocumentEdit::touchSettings()
{
    if (!oldSettings_)
        oldSettings_ = doc_.settings;
}

void DocumentEdit::touchReports()
{
    if (!oldReports_)
        oldReports_ = doc_.reportSlots;
}

void DocumentEdit::finish()
{
    if (finished_)
        return;
    finished_ = true;
    bool changed = false;
    forEachChange(changes_, [&](auto& change) {
        using T = std::decay_t<decltype(change.oldTemplate)>;
        changed = finishKind(change, tableOf<T>(doc_)) || changed;
    });
    if (oldSettings_) {
        newSettings_ = doc_.settings;
        changed = true;
    }
    if (oldReports_) {
        newReports_ = doc_.reportSlots;
        changed = true;
    }
    newPage_ = doc_.currentPage;
    changed = changed || newPage_ != oldPage_;
    if (changed)
        doc_.modified = 1;
    newModified_ = doc_.modified;
    newSelection_ = sel_;
    documentChanged_ = changed;
}

void DocumentEdit::undo(ProjectDocument& document, SelectionState& selection) const
{
    forEachChange(changes_, [&](const auto& change) {
        using T = std::decay_t<decltype(change.oldTemplate)>;
        restoreKind(change, tableOf<T>(document), false);
    });
    if (oldSettings_)
        document.settings = *oldSettings_;
    if (oldReports_)
        document.reportSlots = *oldReports_;
    document.currentPage = oldPage_;
    document.modified = oldModified_;
    selection = oldSelection_;
}

void DocumentEdit::redo(ProjectDocument& document, SelectionState& selection) const
{
    forEachChange(changes_, [&](const auto& change) {
        using T = std::decay_t<decltype(change.oldTemplate)>;
        restoreKind(change, tableOf<T>(document), true);
    });
    if (newSettings_)
        document.settings = *newSettings_;
    if (newReports_)
        document.reportSlots = *newReports_;
    document.currentPage = newPage_;
    document.modified = newModified_;
    selection = newSelection_;
}

void DocumentEdit::summarise(ChangeSummary& summary) const
{
    forEachChange(changes_, [&](const auto& change) {
        using T = std::decay_t<decltype(change.oldTemplate)>;
        const ObjectKind kind = KindOf<T>::value;
        if (change.oldTable) {
            summary.tables.push_back(kind);
            return;
        }
        for (const auto& entry : change.before)
            summary.objects.push_back(ObjectRef{kind, entry.first});
        for (int i = change.oldHigh + 1; i <= change.newHigh; ++i)
            summary.objects.push_back(ObjectRef{kind, i});
    });
    summary.settings = summary.settings || oldSettings_.has_value();
    summary.reports = summary.reports || oldReports_.has_value();
}

bool DocumentEdit::mergeWith(const DocumentEdit& later)
{
    if (oldSettings_ || later.oldSettings_ || oldReports_ || later.oldReports_)
        return false;
    if (newPage_ != later.oldPage_ || later.newPage_ != later.oldPage_)
        return false;
    bool same = true;
    std::apply(
        [&](const auto&... theirs) {
            ((same = same &&
                     [&](const auto& their) {
                         using T = std::decay_t<decltype(their.oldTemplate)>;
                         const auto& mine = std::get<KindChange<T>>(changes_);
                         if (!plainRecordChange(mine) || !plainRecordChange(their))
                             return false;
                         if (mine.before.size() != their.before.size())
                             return false;
                         for (const auto& entry : their.before) {
                             if (!mine.before.contains(entry.first))
                                 return false;
                         }
                         return true;
                     }(theirs)),
             ...);
        },
        later.changes_);
    if (!same)
        return false;
    forEachChange(changes_, [&](auto& mine) {
        using T = std::decay_t<decltype(mine.oldTemplate)>;
        const auto& their = std::get<KindChange<T>>(later.changes_);
        mine.after = their.after;
        mine.newTemplate = their.newTemplate;
    });
    newModified_ = later.newModified_;
    newSelection_ = later.newSelection_;
    documentChanged_ = documentChanged_ || later.documentChanged_;
    return true;
}

} // namespace qv
