#include "records/columnstatistics.h"

#include "formula/numbertext.h"

#include <charconv>
#include <cmath>
#include <string>

namespace qv {

void ColumnStatistics::add(std::string_view value)
{
    ++records_;
    const size_t first = value.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return;
    ++filled_;
    const std::string plain = NormaliseNumberText(value.substr(first), locale_);
    const size_t last = plain.find_last_not_of(' ');
    const char* begin = plain.data();
    const char* end = plain.data() + last + 1;
    if (begin != end && *begin == '+')
        ++begin;
    double number = 0;
    const auto [stop, error] = std::from_chars(begin, end, number);
    if (error != std::errc() || stop != end || !std::isfinite(number))
        return;
    min_ = numbers_ == 0 ? number : std::min(min_, number);
    max_ = numbers_ == 0 ? number : std::max(max_, number);
    ++numbers_;
    sum_ += number;
}

} // namespace qv
