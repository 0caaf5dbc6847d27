#include "formulanumber.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace qv {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Writes sign, digits d0 d1 d2 ... meaning d0.d1d2... x 10^exponent in fixed notation,
// without trailing fraction zeros.
std::string fixedText(bool negative, const std::string& digits, int exponent)
{
    std::string integer;
    std::string fraction;
    if (exponent >= 0) {
        const size_t integerDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            integer = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            integer = digits.substr(0, integerDigits);
            fraction = digits.substr(integerDigits);
        }
    } else {
        integer = "0";
        fraction = std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    const size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);
    if (integer == "0" && fraction.empty())
        return "0";
    std::string text = negative ? "-" : "";
    text += integer;
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

// Splits a scientific text "-d.ddde+XX" into its parts.
void splitScientific(const std::string& text, bool& negative, std::string& digits, int& exponent)
{
    negative = !text.empty() && text[0] == '-';
    digits.clear();
    size_t i = negative ? 1 : 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (isDigit(text[i]))
            digits.push_back(text[i]);
    }
    exponent = 0;
    if (i < text.size()) {
        const char* begin = text.data() + i + 1;
        if (*begin == '+')
            ++begin;
        std::from_chars(begin, text.data() + text.size(), exponent);
    }
}

std::string doubleText(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    bool negative = false;
    std::string digits;
    int exponent = 0;
    splitScientific(buffer, negative, digits, exponent);
    return fixedText(negative, digits, exponent);
}

// Sign, integer digits and fraction digits of the Val prefix, as a clean text that both
// number parsers accept ("-12.5", "0.5", "0").
std::string cleanValText(std::string_view text)
{
    const std::string_view prefix = ValPrefix(text);
    bool negative = false;
    size_t i = 0;
    if (i < prefix.size() && (prefix[i] == '-' || prefix[i] == '+')) {
        negative = prefix[i] == '-';
        ++i;
    }
    std::string integer;
    std::string fraction;
    for (; i < prefix.size() && isDigit(prefix[i]); ++i) {
        if (!integer.empty() || prefix[i] != '0')
            integer.push_back(prefix[i]);
    }
    if (i < prefix.size() && prefix[i] == '.') {
        for (++i; i < prefix.size() && isDigit(prefix[i]); ++i)
            fraction.push_back(prefix[i]);
    }
    std::string clean = negative ? "-" : "";
    clean += integer.empty() ? "0" : integer;
    if (!fraction.empty())
        clean += "." + fraction;
    return clean;
}

} // namespace

FormulaNumber FormulaNumber::fromDecimal(const FormulaDecimal& value)
{
    FormulaNumber number;
    number.decimal_ = value;
    return number;
}

FormulaNumber FormulaNumber::fromDouble(double value)
{
    FormulaNumber number;
    number.double_ = value;
    number.isDouble_ = true;
    return number;
}

double FormulaNumber::toDouble() const
{
    return isDouble_ ? double_ : decimal_.toDouble();
}

bool FormulaNumber::isZero() const
{
    return isDouble_ ? double_ == 0.0 : decimal_.isZero();
}

int FormulaNumber::compare(const FormulaNumber& other) const
{
    if (isDouble_ || other.isDouble_) {
        const double a = toDouble();
        const double b = other.toDouble();
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    return decimal_.compare(other.decimal_);
}

std::string FormulaNumber::toText() const
{
    return isDouble_ ? doubleText(double_) : decimal_.toText();
}

std::string_view ValPrefix(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
    }
    return text.substr(0, i);
}

std::optional<FormulaDecimal> ValDecimal(std::string_view text)
{
    const std::string_view prefix = ValPrefix(text);
    if (prefix.find_first_of("0123456789") == std::string_view::npos)
        return FormulaDecimal();
    return FormulaDecimal::parse(prefix);
}

double ValDouble(std::string_view text)
{
    const std::string clean = cleanValText(text);
    double value = 0.0;
    const auto result = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Underflow leaves the value untouched and reads as 0; overflow is infinite.
        const bool negative = clean[0] == '-';
        const bool tiny = clean.find_first_of("123456789") > clean.find('.');
        if (tiny)
            return 0.0;
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

std::optional<FormulaDecimal> StrictDecimal(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    const std::string_view prefix = ValPrefix(text);
    if (prefix.size() != text.size() || prefix.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    return ValDecimal(text);
}

FormulaDecimal RoundHalfEven(const FormulaDecimal& value, int decimals)
{
    return value.roundedHalfEven(decimals);
}

double RoundHalfEven(double value, int decimals)
{
    // Rounded as the 15-digit decimal that the double shows; a double too large for the
    // decimal type has no decimals left to round.
    const std::optional<FormulaDecimal> shown = FormulaDecimal::parse(doubleText(value));
    if (!std::isfinite(value) || !shown)
        return value;
    return shown->roundedHalfEven(decimals).toDouble();
}

FormulaNumber RoundHalfEven(const FormulaNumber& value, int decimals)
{
    if (value.isDouble())
        return FormulaNumber::fromDouble(RoundHalfEven(value.toDouble(), decimals));
    return FormulaNumber::fromDecimal(RoundHalfEven(value.decimal(), decimals));
}

} // namespace qv
