#include "records/recordcursor.h"

#include <algorithm>

namespace qv {

void RecordCursor::setOrder(std::vector<int64_t> ids, int64_t current)
{
    ids_ = std::move(ids);
    left_ = -1;
    const auto found = std::find(ids_.begin(), ids_.end(), current);
    position_ = found != ids_.end() ? static_cast<int>(found - ids_.begin()) : size() - 1;
}

int64_t RecordCursor::current() const
{
    return position_ >= 0 && position_ < size() ? ids_[static_cast<size_t>(position_)] : 0;
}

int64_t RecordCursor::move(RecordMove move)
{
    if (ids_.empty())
        return 0;
    const int last = size() - 1;
    // Leaving a new record, "previous" goes back to the record shown before it.
    const int from = position_ >= 0 ? position_ : (left_ >= 0 ? left_ + 1 : size());
    int to = from;
    switch (move) {
    case RecordMove::First: to = 0; break;
    case RecordMove::TenBack: to = from - kLongStep; break;
    case RecordMove::Previous: to = from - 1; break;
    case RecordMove::Next: to = position_ >= 0 ? from + 1 : std::max(left_, 0); break;
    case RecordMove::Last: to = last; break;
    }
    position_ = std::clamp(to, 0, last);
    left_ = -1;
    return current();
}

bool RecordCursor::moveTo(int64_t id)
{
    const auto found = std::find(ids_.begin(), ids_.end(), id);
    if (found == ids_.end())
        return false;
    position_ = static_cast<int>(found - ids_.begin());
    left_ = -1;
    return true;
}

void RecordCursor::append(int64_t id)
{
    ids_.push_back(id);
    position_ = size() - 1;
    left_ = -1;
}

void RecordCursor::remove(int64_t id)
{
    const auto found = std::find(ids_.begin(), ids_.end(), id);
    if (found == ids_.end())
        return;
    const int at = static_cast<int>(found - ids_.begin());
    ids_.erase(found);
    if (position_ > at || position_ >= size())
        --position_;
    if (ids_.empty())
        position_ = -1;
}

void RecordCursor::leave()
{
    if (position_ >= 0)
        left_ = position_;
    position_ = -1;
}

} // namespace qv
