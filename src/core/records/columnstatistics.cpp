#include "records/columnstatistics.h"

#include "formula/numbertext.h"

#include <algorithm>
#include <string>

namespace qv {

void ColumnStatistics::add(std::string_view value)
{
    ++records_;
    const size_t first = value.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return;
    ++filled_;
    const std::optional<double> number = NumberOfText(value, locale_);
    if (!number)
        return;
    min_ = numbers_ == 0 ? *number : std::min(min_, *number);
    max_ = numbers_ == 0 ? *number : std::max(max_, *number);
    ++numbers_;
    sum_ += *number;
}

} // namespace qv
