#include "formula/formuladecimal.h"

#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <random>

namespace {

using Rational = boost::multiprecision::cpp_rational;
using Integer = boost::multiprecision::cpp_int;

Rational exactValue(const std::string& text)
{
    const size_t point = text.find('.');
    std::string digits = text;
    Integer denominator = 1;
    if (point != std::string::npos) {
        digits.erase(point, 1);
        for (size_t i = point + 1; i < text.size(); ++i)
            denominator *= 10;
    }
    Integer value = 0;
    for (const char c : digits) {
        if (c >= '0' && c <= '9')
            value = value * 10 + (c - '0');
    }
    return Rational(digits[0] == '-' ? Integer(-value) : value, denominator);
}

std::string randomNumber(std::mt19937& random)
{
    const int digits = 1 + static_cast<int>(random() % 29);
    std::string text = random() % 2 ? "-" : "";
    for (int i = 0; i < digits; ++i)
        text += static_cast<char>('0' + random() % 10);
    const int decimals = static_cast<int>(random() % (digits + 1));
    if (decimals > 0 && decimals < digits)
        text.insert(text.size() - static_cast<size_t>(decimals), ".");
    return text;
}

// The most decimals (up to 28) at which the exact value still fits 96 bits, or -1 when
// it does not fit at all.
int bestScale(const Rational& exact)
{
    const Integer max = (Integer(1) << 96) - 1;
    const Rational magnitude = exact < 0 ? Rational(-exact) : exact;
    for (int scale = 28; scale >= 0; --scale) {
        Rational scaled = magnitude;
        for (int i = 0; i < scale; ++i)
            scaled *= 10;
        const Integer whole = numerator(scaled) / denominator(scaled);
        const Integer rounded = (scaled - Rational(whole)) * 2 >= 1 ? whole + 1 : whole;
        if (rounded <= max)
            return scale;
    }
    return -1;
}

// Every result is the exact value rounded at the finest scale that fits: it is off by at
// most half a unit of that scale, and it overflows only when no scale fits.
TEST(FormulaDecimal, AgreesWithExactRationalArithmetic)
{
    std::mt19937 random(424242);
    for (int round = 0; round < 2000; ++round) {
        const std::string aText = randomNumber(random);
        const std::string bText = randomNumber(random);
        const auto a = qv::FormulaDecimal::parse(aText);
        const auto b = qv::FormulaDecimal::parse(bText);
        if (!a || !b)
            continue;
        const Rational x = exactValue(a->toText());
        const Rational y = exactValue(b->toText());
        for (int op = 0; op < 4; ++op) {
            if (y == 0)
                continue;
            Rational exact = x / y;
            if (op == 0)
                exact = x + y;
            else if (op == 1)
                exact = x - y;
            else if (op == 2)
                exact = x * y;
            const std::optional<qv::FormulaDecimal> result = op == 0   ? a->plus(*b)
                                                             : op == 1 ? a->minus(*b)
                                                             : op == 2 ? a->times(*b)
                                                                       : a->dividedBy(*b);
            const int scale = bestScale(exact);
            const std::string what = aText + " op" + std::to_string(op) + " " + bText;
            ASSERT_EQ(result.has_value(), scale >= 0) << what;
            if (!result)
                continue;
            Rational error = exactValue(result->toText()) - exact;
            if (error < 0)
                error = -error;
            Rational halfUnit(1, 2);
            for (int i = 0; i < scale; ++i)
                halfUnit /= 10;
            EXPECT_LE(error, halfUnit) << what << " = " << result->toText();
        }
    }
}

} // namespace
