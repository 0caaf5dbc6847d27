#include "records/memoryrecordset.h"

#include <algorithm>

namespace qv {

std::string MemoryRecordSet::Record::value(InputRef ref) const
{
    const auto found = values_.find(ref);
    return found == values_.end() ? std::string() : found->second;
}

MemoryRecordSet::Record& MemoryRecordSet::Record::set(InputRef ref, std::string value)
{
    values_[ref] = std::move(value);
    return *this;
}

MemoryRecordSet::Record& MemoryRecordSet::add()
{
    return add(nextId_);
}

MemoryRecordSet::Record& MemoryRecordSet::add(int32_t id)
{
    nextId_ = std::max(nextId_, id + 1);
    return records_.emplace_back(id);
}

void MemoryRecordSet::forEach(const std::function<bool(const RecordRow&)>& visit) const
{
    for (const Record& record : records_) {
        if (!visit(record))
            return;
    }
}

const MemoryRecordSet::Record* MemoryRecordSet::find(int32_t id) const
{
    const auto found = std::find_if(records_.begin(), records_.end(),
                                    [id](const Record& r) { return r.id() == id; });
    return found == records_.end() ? nullptr : &*found;
}

std::string MemoryRecordSet::apply(const std::vector<RecordChange>& changes)
{
    for (const RecordChange& change : changes) {
        if (!find(change.id))
            return "record " + std::to_string(change.id) + " does not exist";
    }
    for (const RecordChange& change : changes) {
        for (Record& record : records_) {
            if (record.id() == change.id)
                record.set(change.ref, change.value);
        }
    }
    return {};
}

} // namespace qv
