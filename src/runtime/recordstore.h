#pragma once

#include "records/recordorder.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv::runtime {

// One stored record: its number, its times and its values in the columns of the record
// schema (nullopt where the store has no such column).
struct StoredRecord {
    int64_t id = 0;
    std::string created; // ISO 8601, UTC
    std::string changed;
    std::vector<std::optional<std::string>> values;
};

// Where a built application keeps its records. The window, the commands and later the
// search window, the exchange files and the reports reach the records only through this,
// so that a server database can take the place of the embedded one. Columns are those of
// the RecordSchema the store was opened with, by index. Every write is one transaction:
// it is there entirely or not at all.
class RecordStore {
public:
    virtual ~RecordStore() = default;

    // The file or server that holds the records, for messages.
    virtual QString location() const = 0;
    // True when the records can be read but nothing can be saved.
    virtual bool readOnly() const = 0;
    // What went wrong in the last call that failed.
    virtual QString lastError() const = 0;

    virtual int64_t count() = 0;
    // Every record number, ascending (the order records were made in).
    virtual std::vector<int64_t> ids() = 0;
    // The number the next new record will get.
    virtual int64_t nextId() = 0;
    // Every record's number with its value in one column, for sorting and statistics.
    virtual std::vector<KeyedRecord> columnValues(int column) = 0;
    // The numbers of the records whose value in a column contains the text, ignoring case.
    virtual std::vector<int64_t> search(int column, const std::string& text) = 0;
    // Visits every record in record-number order until `visit` returns false; false when
    // the store could not be read to the end.
    virtual bool forEach(const std::function<bool(const StoredRecord&)>& visit) = 0;
    // The records whose value in any of the columns contains the text, ignoring case.
    virtual std::vector<int64_t> searchAny(const std::vector<int>& columns,
                                           const std::string& text) = 0;
    // Visits the records `ids` names, in that order, until `visit` returns false; numbers
    // without a record (deleted meanwhile) are passed over. False when the store could
    // not be read to the end.
    virtual bool forEachOf(const std::vector<int64_t>& ids,
                           const std::function<bool(const StoredRecord&)>& visit) = 0;

    // A record; nullopt with an empty lastError() when there is no such record, with the
    // reason in lastError() when it could not be read.
    virtual std::optional<StoredRecord> load(int64_t id) = 0;
    // A new record; its number, or 0 when it could not be saved.
    virtual int64_t insert(const std::vector<std::string>& values) = 0;
    // Saves the values of a record; a record another program has deleted in the meantime
    // is stored again under its number, so nothing typed is lost.
    virtual bool update(int64_t id, const std::vector<std::string>& values) = 0;
    virtual bool remove(int64_t id) = 0;

    // New records, each with its values in schema order, all in one transaction: either
    // every one is stored or, with lastError() saying why, none.
    virtual bool insertAll(const std::vector<std::vector<std::string>>& records) = 0;
    // Values of single columns of stored records, all in one transaction: either every
    // change is written or, with lastError() saying why, none. A change to a record that
    // no longer exists refuses the whole list.
    struct ValueChange {
        int64_t id = 0;
        int column = 0;
        std::string value;
    };
    virtual bool setValues(const std::vector<ValueChange>& changes) = 0;

    // True once after another program (a second copy of the application) has changed the
    // records since the last call.
    virtual bool changedElsewhere() = 0;
};

} // namespace qv::runtime
