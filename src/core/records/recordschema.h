#pragma once

#include "builder/appdata.h"
#include "records/inputref.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// One stored value of a record: the data of one input object.
// The column's name is also how the search window, the exchange files and the record
// commands of scripts name it.
struct RecordColumn {
    InputRef object;
    std::string name;  // the column's name in the store: unique, ignoring ASCII case
    std::string label; // the object's tag as designed
    bool searchable = true;
    int32_t maxLength = 0; // characters; 0 for no limit
    int fieldFormat = 0;   // fields: 0 text, 1-5 numbers, 6-12 dates and times
};

// What a record of a design holds: one column per Field, Notes, Combo and Checkbox that is
// neither deleted nor a dummy field, in TAB key / export order. Next to them the store
// keeps the record number and the created and changed times under the names below.
//
// Column names come from the objects' tags, so a design built again keeps finding its
// data: an object keeps its column as long as its tag stays. Names are made unique in a
// fixed order (fields, notes, combos, check boxes, each by index) that does not depend on
// the order numbers, so that renumbering the TAB order renames nothing.
class RecordSchema {
public:
    RecordSchema() = default;
    explicit RecordSchema(const AppData& data);

    const std::vector<RecordColumn>& columns() const { return columns_; }
    int size() const { return static_cast<int>(columns_.size()); }
    // The column of an input object; -1 when the object is not stored.
    int columnOf(InputRef object) const;
    // The column of a reference code (InputRef::referenceCode); -1 when none.
    int columnOfReference(int code) const;

private:
    std::vector<RecordColumn> columns_;
    std::map<InputRef, int> byObject_;
};

inline constexpr std::string_view kIdColumn = "ID";
inline constexpr std::string_view kCreatedColumn = "Created";
inline constexpr std::string_view kChangedColumn = "Changed";

// The column name a tag gives: the tag without control characters and outer blanks, at
// most 60 bytes (never cut inside a character); `fallback` when nothing is left.
std::string ColumnNameOfTag(std::string_view tag, std::string_view fallback);

// A name as an SQL identifier: in double quotes, inner double quotes doubled.
std::string QuoteIdentifier(std::string_view name);

// True when two column names are the same name to the database (ASCII case ignored).
bool SameColumnName(std::string_view a, std::string_view b);

// The columns of `schema` that a store holding `existing` columns lacks, in schema order.
std::vector<RecordColumn> ColumnsToAdd(const RecordSchema& schema,
                                       const std::vector<std::string>& existing);

} // namespace qv
