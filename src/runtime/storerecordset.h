#pragma once

#include "recordstore.h"

#include "records/recordset.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qv {
class RecordSchema;
}

namespace qv::runtime {

// A stored record read through the schema: the value of an object the store keeps, "" for
// any other.
class StoredRecordRow : public RecordRow {
public:
    StoredRecordRow(const StoredRecord& record, const RecordSchema& schema)
        : record_(record), schema_(schema)
    {
    }

    int32_t id() const override;
    std::string value(InputRef ref) const override;

private:
    const StoredRecord& record_;
    const RecordSchema& schema_;
};

// Stored records in an order of record numbers (the current sort, a search result), read
// a few at a time while they are visited, so that they are never all held. A record that
// another copy of the application deleted meanwhile is passed over.
class StoreRecordSet : public RecordSet {
public:
    StoreRecordSet(RecordStore& store, const RecordSchema& schema, std::vector<int64_t> order);

    std::size_t size() const override { return order_.size(); }
    void forEach(const std::function<bool(const RecordRow&)>& visit) const override;
    std::string failure() const override { return failure_; }

private:
    RecordStore& store_;
    const RecordSchema& schema_;
    std::vector<int64_t> order_;
    bool wholeInNumberOrder_ = false; // every record, ascending: read in one walk
    mutable std::string failure_;
};

// Writes the changes of a script's Replace into the store, all in one transaction.
class StoreUpdater : public RecordUpdater {
public:
    StoreUpdater(RecordStore& store, const RecordSchema& schema) : store_(store), schema_(schema) {}

    std::string apply(const std::vector<RecordChange>& changes) override;

private:
    RecordStore& store_;
    const RecordSchema& schema_;
};

} // namespace qv::runtime
