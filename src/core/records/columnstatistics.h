#pragma once

#include "formula/formulalocale.h"

#include <cstdint>
#include <string_view>

namespace qv {

// Figures over the values of one column of every record, for the Statistics window. A
// value counts as a number when the whole text, read with the locale's separators, is one.
class ColumnStatistics {
public:
    explicit ColumnStatistics(FormulaLocale locale) : locale_(std::move(locale)) {}

    void add(std::string_view value);

    int64_t records() const { return records_; }
    int64_t filled() const { return filled_; }
    int64_t numbers() const { return numbers_; }
    double sum() const { return sum_; }
    double minimum() const { return min_; }
    double maximum() const { return max_; }
    // The mean of the numbers; 0 when there are none.
    double average() const { return numbers_ > 0 ? sum_ / static_cast<double>(numbers_) : 0; }

private:
    FormulaLocale locale_;
    int64_t records_ = 0;
    int64_t filled_ = 0;
    int64_t numbers_ = 0;
    double sum_ = 0;
    double min_ = 0;
    double max_ = 0;
};

} // namespace qv
