#pragma once

#include "formuladecimal.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// One value of the formula language: a decimal number until a transcendental function or
// a power made it a double, which it then stays.
class FormulaNumber {
public:
    FormulaNumber() = default;
    static FormulaNumber fromDecimal(const FormulaDecimal& value);
    static FormulaNumber fromDouble(double value);

    bool isDouble() const { return isDouble_; }
    const FormulaDecimal& decimal() const { return decimal_; }
    double toDouble() const;
    bool isZero() const;
    // -1, 0 or 1.
    int compare(const FormulaNumber& other) const;

    // Plain number text with "." as decimal point, no grouping and never an exponent,
    // because "E" is an operator of the language: integral values have no fraction,
    // decimals keep all their digits (at most 29, 28 decimals), doubles 15.
    std::string toText() const;

private:
    FormulaDecimal decimal_{0};
    double double_ = 0.0;
    bool isDouble_ = false;
};

// The part of the text that the runtime's Val rule reads: an optional leading sign,
// digits, one decimal point and digits; the first other character ends it.
std::string_view ValPrefix(std::string_view text);
// The text read by the Val rule as a decimal; nullopt when it lies beyond the decimal
// range. A text without digits reads as 0.
std::optional<FormulaDecimal> ValDecimal(std::string_view text);
// The text read by the Val rule as a double (infinite when it is too large).
double ValDouble(std::string_view text);
// The whole text (after surrounding spaces) is one number in Val form with at least one
// digit; used where a text must be numeric or the operation fails.
std::optional<FormulaDecimal> StrictDecimal(std::string_view text);

// Round half to even to the given number of decimals (0..28).
FormulaDecimal RoundHalfEven(const FormulaDecimal& value, int decimals);
double RoundHalfEven(double value, int decimals);
FormulaNumber RoundHalfEven(const FormulaNumber& value, int decimals);

} // namespace qv
