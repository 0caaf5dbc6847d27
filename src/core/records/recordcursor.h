#pragma once

#include <cstdint>
#include <vector>

namespace qv {

// The moves of the navigation buttons: "<<<" first, "<<" ten back, "<" previous,
// ">" next, ">>" last.
enum class RecordMove { First, TenBack, Previous, Next, Last };

inline constexpr int kLongStep = 10;

// The record on screen within the record numbers in their current order (record number
// order, or the order of the last sort). It holds only the numbers, never the records.
class RecordCursor {
public:
    // The order to walk and the record to stand on; the last record when `current` is not
    // in it.
    void setOrder(std::vector<int64_t> ids, int64_t current);
    const std::vector<int64_t>& order() const { return ids_; }

    // The record on screen; 0 when there are none (or a new record is being entered).
    int64_t current() const;
    // 0-based position of the current record; -1 when there is none.
    int position() const { return position_; }
    int size() const { return static_cast<int>(ids_.size()); }

    // Moves and returns the record then current; the ends stop the move.
    int64_t move(RecordMove move);
    // Stands on a record of the order; false when it is not in it.
    bool moveTo(int64_t id);
    // A new record is added at the end of the order and becomes current.
    void append(int64_t id);
    // A deleted record leaves the order; the one after it (else the one before) becomes
    // current.
    void remove(int64_t id);
    // No current record, as while a new one is entered; moving goes on from where it was.
    void leave();

private:
    std::vector<int64_t> ids_;
    int position_ = -1;
    int left_ = -1; // the position before leave()
};

} // namespace qv
