#pragma once

#include "records/recordset.h"

#include <map>
#include <string>
#include <vector>

namespace qv {

// Records held as plain values, in the order they were added: for tests, benchmarks and
// small result lists.
class MemoryRecordSet : public RecordSet, public RecordUpdater {
public:
    class Record : public RecordRow {
    public:
        explicit Record(int32_t id = 0) : id_(id) {}

        int32_t id() const override { return id_; }
        std::string value(InputRef ref) const override;
        Record& set(InputRef ref, std::string value);

    private:
        int32_t id_;
        std::map<InputRef, std::string> values_;
    };

    // Adds a record with the next number (1, 2, ...) and returns it for its values.
    Record& add();
    Record& add(int32_t id);

    std::size_t size() const override { return records_.size(); }
    void forEach(const std::function<bool(const RecordRow&)>& visit) const override;

    // Refuses the whole list when one change names a record that is not held.
    std::string apply(const std::vector<RecordChange>& changes) override;

    const Record* find(int32_t id) const;
    const std::vector<Record>& records() const { return records_; }

private:
    std::vector<Record> records_;
    int32_t nextId_ = 1;
};

} // namespace qv
