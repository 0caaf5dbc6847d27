#include "storerecordset.h"

#include "records/recordschema.h"

#include <algorithm>

namespace qv::runtime {

int32_t StoredRecordRow::id() const
{
    return static_cast<int32_t>(record_.id);
}

std::string StoredRecordRow::value(InputRef ref) const
{
    const int column = schema_.columnOf(ref);
    if (column < 0 || static_cast<size_t>(column) >= record_.values.size())
        return {};
    return record_.values[static_cast<size_t>(column)].value_or(std::string());
}

StoreRecordSet::StoreRecordSet(RecordStore& store, const RecordSchema& schema,
                               std::vector<int64_t> order)
    : store_(store), schema_(schema), order_(std::move(order))
{
    wholeInNumberOrder_ = std::is_sorted(order_.begin(), order_.end()) &&
                          std::adjacent_find(order_.begin(), order_.end()) == order_.end() &&
                          static_cast<int64_t>(order_.size()) == store_.count();
}

void StoreRecordSet::forEach(const std::function<bool(const RecordRow&)>& visit) const
{
    failure_.clear();
    if (wholeInNumberOrder_) {
        // One walk over the table instead of a look-up per record.
        const bool read = store_.forEach(
            [&](const StoredRecord& record) { return visit(StoredRecordRow(record, schema_)); });
        if (!read)
            failure_ = store_.lastError().toStdString();
        return;
    }
    const bool read = store_.forEachOf(order_, [&](const StoredRecord& record) {
        return visit(StoredRecordRow(record, schema_));
    });
    if (!read)
        failure_ = store_.lastError().toStdString();
}

std::string StoreUpdater::apply(const std::vector<RecordChange>& changes)
{
    std::vector<RecordStore::ValueChange> values;
    values.reserve(changes.size());
    for (const RecordChange& change : changes) {
        const int column = schema_.columnOf(change.ref);
        if (column < 0)
            return change.ref.token() + " is not kept in the records";
        values.push_back({change.id, column, change.value});
    }
    if (!store_.setValues(values))
        return store_.lastError().toStdString();
    return {};
}

} // namespace qv::runtime
