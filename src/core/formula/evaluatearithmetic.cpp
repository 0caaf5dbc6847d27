#include "evaluatearithmetic.h"

#include "numbertext.h"

#include <cmath>
#include <string_view>
#include <vector>

namespace qv {

namespace {

// Serials outside these days are not dates (the years 100 to 9999).
constexpr double kFirstDateSerial = -657434.0;
constexpr double kLastDateSerial = 2958466.0;

bool isOperator(char c)
{
    switch (c) {
    case '+':
    case '~':
    case '*':
    case '/':
    case '^':
    case 'A':
    case 'B':
    case 'C':
    case 'E':
    case 'R':
    case 'O':
    case 'U':
    case 'N':
    case 'D':
    case 'L':
    case 'S':
    case 'T':
    case 'M':
    case 'X': return true;
    default: return false;
    }
}

bool isNumberCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == '.' || c == '-';
}

std::optional<FormulaNumber> checkedDouble(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return FormulaNumber::fromDouble(value);
}

std::optional<FormulaNumber> checkedDecimal(const std::optional<FormulaDecimal>& value)
{
    if (!value)
        return std::nullopt;
    return FormulaNumber::fromDecimal(*value);
}

// acc Mod n after both are rounded to whole numbers; the remainder takes the sign of acc.
std::optional<FormulaNumber> modulo(const FormulaNumber& acc, std::string_view numberText)
{
    if (acc.isDouble()) {
        const double a = RoundHalfEven(acc.toDouble(), 0);
        const double b = RoundHalfEven(ValDouble(numberText), 0);
        if (b == 0.0 || !std::isfinite(b))
            return std::nullopt;
        return checkedDouble(std::fmod(a, b));
    }
    const std::optional<FormulaDecimal> n = ValDecimal(numberText);
    if (!n)
        return std::nullopt;
    const FormulaDecimal a = acc.decimal().roundedHalfEven(0);
    const FormulaDecimal b = n->roundedHalfEven(0);
    return checkedDecimal(a.remainder(b));
}

// Minutes since midnight of a date-time serial.
std::optional<FormulaNumber> minuteOfDay(const FormulaNumber& acc)
{
    const double serial = acc.toDouble();
    if (!(serial >= kFirstDateSerial && serial < kLastDateSerial))
        return std::nullopt;
    const double fraction = std::fabs(serial - std::trunc(serial));
    const long long seconds = std::llround(fraction * 86400.0) % 86400;
    return FormulaNumber::fromDecimal(FormulaDecimal(seconds / 60));
}

std::optional<FormulaNumber> binaryDecimal(char op, const FormulaNumber& acc,
                                           std::string_view numberText)
{
    const std::optional<FormulaDecimal> n = ValDecimal(numberText);
    if (!n)
        return std::nullopt;
    const FormulaDecimal& a = acc.decimal();
    switch (op) {
    case '+': return checkedDecimal(a.plus(*n));
    case '~': return checkedDecimal(a.minus(*n));
    case '*': return checkedDecimal(a.times(*n));
    default: return checkedDecimal(a.dividedBy(*n));
    }
}

std::optional<FormulaNumber> binaryDouble(char op, double a, double n)
{
    switch (op) {
    case '+': return checkedDouble(a + n);
    case '~': return checkedDouble(a - n);
    case '*': return checkedDouble(a * n);
    default:
        if (n == 0.0)
            return std::nullopt;
        return checkedDouble(a / n);
    }
}

// The new accumulator, or nullopt for an arithmetic error (the accumulator stays).
std::optional<FormulaNumber> apply(char op, const FormulaNumber& acc, std::string_view numberText)
{
    switch (op) {
    case '\0': {
        const std::optional<FormulaDecimal> n = ValDecimal(numberText);
        if (!n)
            return std::nullopt;
        return FormulaNumber::fromDecimal(*n);
    }
    case '/':
        if (acc.isZero())
            return acc;
        [[fallthrough]];
    case '+':
    case '~':
    case '*':
        if (acc.isDouble())
            return binaryDouble(op, acc.toDouble(), ValDouble(numberText));
        return binaryDecimal(op, acc, numberText);
    case '^': {
        const double a = acc.toDouble();
        const double n = ValDouble(numberText);
        if (a == 0.0 && n < 0.0)
            return std::nullopt;
        return checkedDouble(std::pow(a, n));
    }
    case 'M': return modulo(acc, numberText);
    case 'A':
        if (acc.isDouble())
            return FormulaNumber::fromDouble(std::fabs(acc.toDouble()));
        return FormulaNumber::fromDecimal(acc.decimal().abs());
    case 'B': return checkedDouble(std::atan(acc.toDouble()));
    case 'C': return checkedDouble(std::cos(acc.toDouble()));
    case 'E': return checkedDouble(std::exp(acc.toDouble()));
    case 'L':
        if (acc.toDouble() <= 0.0)
            return std::nullopt;
        return checkedDouble(std::log(acc.toDouble()));
    case 'S':
        if (acc.toDouble() < 0.0)
            return std::nullopt;
        return checkedDouble(std::sqrt(acc.toDouble()));
    case 'T': return checkedDouble(std::tan(acc.toDouble()));
    case 'R': return RoundHalfEven(acc, 0);
    case 'O': return RoundHalfEven(acc, 1);
    case 'U': return RoundHalfEven(acc, 2);
    case 'N': return RoundHalfEven(acc, 3);
    case 'D': return RoundHalfEven(acc, 4);
    case 'X': return minuteOfDay(acc);
    default: return std::nullopt;
    }
}

struct SequenceState {
    FormulaNumber acc;
    char pending = '\0';
    std::string number;

    void applyPending()
    {
        if (std::optional<FormulaNumber> result = apply(pending, acc, number))
            acc = *result;
        number.clear();
    }
};

// Reads one sequence without grouping: digits build the number text, an operator applies
// the pending one and takes its place, any other character drops the pending operator.
FormulaNumber evaluateSequence(std::string_view sequence)
{
    SequenceState state;
    state.number.reserve(40);
    for (const char c : sequence) {
        if (isNumberCharacter(c)) {
            state.number.push_back(c);
        } else if (isOperator(c)) {
            state.applyPending();
            state.pending = c;
        } else {
            state.pending = '\0';
        }
    }
    state.applyPending();
    return state.acc;
}

} // namespace

FormulaNumber EvaluateArithmetic(std::string& expression)
{
    // The innermost group is the one between the first ")" and the last "(" before it; it
    // is replaced by its value, and so is every other occurrence of the same text, before
    // the scan goes on. A later occurrence of that text holds no parenthesis inside, so
    // it would be an innermost group when the scan reached it and would get the same
    // value: replacing each group as the scan meets it gives the same text, in one pass.
    // The text so far is kept in `done`, with the positions of its open "(".
    // A ")" with no "(" before it is left for the final pass to ignore.
    std::string done;
    done.reserve(expression.size());
    std::vector<size_t> opens;
    for (const char c : expression) {
        if (c == '(') {
            opens.push_back(done.size());
        } else if (c == ')' && !opens.empty()) {
            const size_t open = opens.back();
            opens.pop_back();
            const std::string value =
                evaluateSequence(std::string_view(done).substr(open + 1)).toText();
            done.resize(open);
            done += value;
            continue;
        }
        done.push_back(c);
    }
    expression = std::move(done);
    return evaluateSequence(expression);
}

} // namespace qv
