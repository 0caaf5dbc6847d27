#pragma once

#include "records/inputref.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// How the exchange files, the reports and the button scripts of a built application read
// its records, whatever keeps them (the store of the runtime, the window's editors, a test).

namespace qv {

// One record. Values are UTF-8 texts as the window shows them: the text of a field, notes
// box or combo box; a check box's value as a whole number ("0" unchecked, "1" checked).
class RecordRow {
public:
    virtual ~RecordRow() = default;

    // The record number (`ID:`): above 0 for a stored record, never reused for another
    // record; 0 for a record that is not stored yet.
    virtual int32_t id() const = 0;
    // The value of one object; "" for an object the record does not hold (also one that
    // the design does not have, or a dummy field).
    virtual std::string value(InputRef ref) const = 0;
};

// A sequence of records in an order that the holder chooses (the current sort, or the
// result of a search). Reading never changes the set.
class RecordSet {
public:
    virtual ~RecordSet() = default;

    virtual std::size_t size() const = 0;
    // Visits the records in the set's order until `visit` returns false. The row lives only
    // for the call; a caller that needs a value later copies it. The set does not change
    // while it is visited.
    virtual void forEach(const std::function<bool(const RecordRow&)>& visit) const = 0;
    // Why the last forEach stopped before the end of the set although `visit` asked for
    // more (the records could not be read); "" when it did not.
    virtual std::string failure() const { return {}; }
};

// One value to write into a stored record.
struct RecordChange {
    int32_t id = 0;
    InputRef ref;
    std::string value;

    bool operator==(const RecordChange&) const = default;
};

// Writes values into stored records (the script's Replace).
class RecordUpdater {
public:
    virtual ~RecordUpdater() = default;

    // Writes every change or none of them, as one step (one transaction of a store).
    // Returns "" when written, else a message saying what failed; nothing is then changed.
    virtual std::string apply(const std::vector<RecordChange>& changes) = 0;
};

// The one record of a RecordRow as a set, for printing the record on screen.
class SingleRecordSet : public RecordSet {
public:
    explicit SingleRecordSet(const RecordRow& row) : row_(row) {}

    std::size_t size() const override { return 1; }
    void forEach(const std::function<bool(const RecordRow&)>& visit) const override { visit(row_); }

private:
    const RecordRow& row_;
};

} // namespace qv
