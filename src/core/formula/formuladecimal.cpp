#include "formuladecimal.h"

#include <array>
#include <charconv>
#include <cmath>

namespace qv {

namespace {

using Wide = boost::multiprecision::int256_t;
__extension__ typedef unsigned __int128 Word;

constexpr int kMaxScale = 28;
constexpr Word kMaxWord = (Word(1) << 96) - 1;

Wide toWide(Word word)
{
    Wide wide(static_cast<std::uint64_t>(word >> 64));
    wide <<= 64;
    wide |= static_cast<std::uint64_t>(word);
    return wide;
}

bool fitsWord(const Wide& magnitude)
{
    return msb(magnitude) < 96;
}

Word toWord(const Wide& magnitude)
{
    return (Word(static_cast<std::uint64_t>(magnitude >> 64)) << 64) |
           static_cast<std::uint64_t>(magnitude & UINT64_MAX);
}

const std::array<Word, 39>& wordPowers()
{
    static const std::array<Word, 39> powers = [] {
        std::array<Word, 39> table{};
        table[0] = 1;
        for (size_t i = 1; i < table.size(); ++i)
            table[i] = table[i - 1] * 10;
        return table;
    }();
    return powers;
}

int decimalDigits(Word value)
{
    const std::array<Word, 39>& powers = wordPowers();
    int digits = 1;
    while (digits < 39 && value >= powers[digits])
        ++digits;
    return digits;
}
constexpr int kMaxPower = 76;

const std::array<Wide, kMaxPower + 1>& powersOfTen()
{
    static const std::array<Wide, kMaxPower + 1> powers = [] {
        std::array<Wide, kMaxPower + 1> table;
        table[0] = 1;
        for (int i = 1; i <= kMaxPower; ++i)
            table[i] = table[i - 1] * 10;
        return table;
    }();
    return powers;
}

const Wide& power(int exponent)
{
    return powersOfTen()[exponent];
}

// 2^96 - 1, the largest magnitude.
const Wide& maxMagnitude()
{
    static const Wide max = (Wide(1) << 96) - 1;
    return max;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string wideDigits(Wide value)
{
    if (value <= Wide(UINT64_MAX)) {
        char buffer[24];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value.convert_to<std::uint64_t>());
        return std::string(buffer, result.ptr);
    }
    std::string digits;
    const Wide chunk = power(19);
    while (value > 0) {
        const std::uint64_t part = Wide(value % chunk).convert_to<std::uint64_t>();
        value /= chunk;
        std::string piece = std::to_string(part);
        if (value > 0)
            piece.insert(0, 19 - piece.size(), '0');
        digits.insert(0, piece);
    }
    return digits;
}

} // namespace

FormulaDecimal::FormulaDecimal(long long value) : value_(value) {}

std::optional<FormulaDecimal> FormulaDecimal::fit(Wide value, int scale, Tail tail)
{
    const bool negative = value < 0;
    Wide magnitude = negative ? Wide(-value) : value;
    for (;;) {
        int drop = std::max(0, scale - kMaxScale);
        if (magnitude > maxMagnitude()) {
            // Estimate the digits to drop from the bit length, then correct it.
            const int bits = static_cast<int>(msb(magnitude)) + 1;
            drop = std::max(drop, static_cast<int>((bits - 96) * 0.30102999566398) - 1);
            while (drop < kMaxPower && magnitude / power(drop) > maxMagnitude())
                ++drop;
        }
        if (drop > scale)
            return std::nullopt; // the whole part does not fit: overflow
        Tail newTail = tail;
        if (drop > 0) {
            if (drop > kMaxPower) {
                magnitude = 0;
                newTail = kBelowHalf;
            } else {
                const Wide rest = magnitude % power(drop);
                magnitude /= power(drop);
                const Wide half = power(drop) / 2;
                if (rest > half)
                    newTail = kAboveHalf;
                else if (rest == half)
                    newTail = tail == kExact ? kHalf : kAboveHalf;
                else
                    newTail = (rest == 0 && tail == kExact) ? kExact : kBelowHalf;
            }
            scale -= drop;
        }
        if (newTail == kAboveHalf || (newTail == kHalf && (magnitude & 1) != 0))
            magnitude += 1;
        if (magnitude <= maxMagnitude())
            return FormulaDecimal(negative ? Wide(-magnitude) : magnitude, scale);
        tail = kExact; // rounding up carried into a new digit: drop one more
    }
}

FormulaDecimal::Wide FormulaDecimal::scaled(const FormulaDecimal& value, int scale)
{
    return value.value_ * power(scale - value.scale_);
}

std::optional<FormulaDecimal> FormulaDecimal::parse(std::string_view text)
{
    // Most number texts fit the 96 bits and 28 decimals as written: read them straight
    // into a 128-bit word.
    if (text.size() <= 40) {
        size_t at = 0;
        const bool negative = !text.empty() && text[0] == '-';
        if (!text.empty() && (text[0] == '-' || text[0] == '+'))
            ++at;
        std::uint64_t low = 0; // the first 19 digits, then the word
        Word digits = 0;
        int count = 0;
        int scale = 0;
        bool point = false;
        bool valid = true;
        for (; valid && at < text.size(); ++at) {
            const char c = text[at];
            if (isDigit(c)) {
                if (count < 19)
                    low = low * 10 + static_cast<unsigned>(c - '0');
                else
                    digits =
                        (count == 19 ? Word(low) : digits) * 10 + static_cast<unsigned>(c - '0');
                ++count;
                scale += point ? 1 : 0;
            } else if (c == '.' && !point) {
                point = true;
            } else {
                valid = false;
            }
        }
        if (!valid || count == 0)
            return std::nullopt;
        if (count <= 19)
            digits = low;
        if (count <= 38 && scale <= kMaxScale && digits <= kMaxWord) {
            const Wide value = toWide(digits);
            return FormulaDecimal(negative ? Wide(-value) : value, scale);
        }
    }
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    Wide value = 0;
    std::uint64_t chunk = 0;
    int chunkDigits = 0;
    int significant = 0;
    int scale = 0;
    int extraWhole = 0; // whole digits beyond those kept (a too large number)
    Tail tail = kExact;
    bool anyDigit = false;
    bool inFraction = false;
    const auto flush = [&] {
        value = value * power(chunkDigits) + chunk;
        chunk = 0;
        chunkDigits = 0;
    };
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !inFraction) {
            inFraction = true;
            continue;
        }
        if (!isDigit(c))
            return std::nullopt;
        anyDigit = true;
        if (significant == 0 && c == '0') {
            if (inFraction && scale < kMaxScale + 2)
                ++scale;
            continue;
        }
        // Keep up to 60 significant digits; they decide the rounding to 29.
        if (significant >= 60) {
            if (!inFraction)
                ++extraWhole;
            else if (c != '0' && tail == kExact)
                tail = kBelowHalf;
            continue;
        }
        if (inFraction && scale >= kMaxScale + 32) {
            if (c != '0' && tail == kExact)
                tail = kBelowHalf;
            continue;
        }
        ++significant;
        chunk = chunk * 10 + static_cast<std::uint64_t>(c - '0');
        if (++chunkDigits == 18)
            flush();
        if (inFraction)
            ++scale;
    }
    if (!anyDigit)
        return std::nullopt;
    if (extraWhole > 0)
        return std::nullopt;
    flush();
    if (negative)
        value = -value;
    return fit(value, scale, tail);
}

int FormulaDecimal::compare(const FormulaDecimal& other) const
{
    const int scale = std::max(scale_, other.scale_);
    const Wide a = scaled(*this, scale);
    const Wide b = scaled(other, scale);
    return a < b ? -1 : (a > b ? 1 : 0);
}

FormulaDecimal FormulaDecimal::abs() const
{
    return FormulaDecimal(value_ < 0 ? Wide(-value_) : value_, scale_);
}

std::optional<FormulaDecimal> FormulaDecimal::plus(const FormulaDecimal& other) const
{
    const int scale = std::max(scale_, other.scale_);
    return fit(scaled(*this, scale) + scaled(other, scale), scale);
}

std::optional<FormulaDecimal> FormulaDecimal::minus(const FormulaDecimal& other) const
{
    const int scale = std::max(scale_, other.scale_);
    return fit(scaled(*this, scale) - scaled(other, scale), scale);
}

std::optional<FormulaDecimal> FormulaDecimal::times(const FormulaDecimal& other) const
{
    return fit(value_ * other.value_, scale_ + other.scale_);
}

std::optional<FormulaDecimal> FormulaDecimal::dividedBy(const FormulaDecimal& other) const
{
    if (other.isZero())
        return std::nullopt;
    // Small operands divide in 128 bits when that leaves more digits than can be kept.
    const Wide dividendMagnitude = value_ < 0 ? Wide(-value_) : value_;
    const Wide divisorMagnitude = other.value_ < 0 ? Wide(-other.value_) : other.value_;
    if (dividendMagnitude != 0 && fitsWord(dividendMagnitude) && fitsWord(divisorMagnitude)) {
        const Word a = toWord(dividendMagnitude);
        const Word b = toWord(divisorMagnitude);
        const int extra = 38 - decimalDigits(a);
        const Word dividend = a * wordPowers()[extra];
        const Word quotient = dividend / b;
        const Word rest = dividend % b;
        const int scale = scale_ - other.scale_ + extra;
        if (quotient != 0 && scale >= 0 && (decimalDigits(quotient) >= 30 || scale > kMaxScale)) {
            Tail tail = kExact;
            if (rest != 0)
                tail = rest * 2 > b ? kAboveHalf : (rest * 2 == b ? kHalf : kBelowHalf);
            const bool negative = (value_ < 0) != (other.value_ < 0);
            const Wide wide = toWide(quotient);
            return fit(negative ? Wide(-wide) : wide, scale, tail);
        }
    }
    // 2^96 * 10^47 still fits the wide type and leaves more than 29 digits of quotient.
    constexpr int kExtra = 47;
    const Wide dividend = value_ * power(kExtra);
    const Wide quotient = dividend / other.value_;
    Wide rest = dividend % other.value_;
    if (rest < 0)
        rest = -rest;
    const Wide divisor = other.value_ < 0 ? Wide(-other.value_) : other.value_;
    Tail tail = kExact;
    if (rest != 0) {
        const Wide twice = rest * 2;
        tail = twice > divisor ? kAboveHalf : (twice == divisor ? kHalf : kBelowHalf);
    }
    const int scale = scale_ - other.scale_ + kExtra;
    if (scale < 0)
        return fit(quotient * power(-scale), 0, tail);
    return fit(quotient, scale, tail);
}

std::optional<FormulaDecimal> FormulaDecimal::remainder(const FormulaDecimal& other) const
{
    if (other.isZero())
        return std::nullopt;
    const int scale = std::max(scale_, other.scale_);
    return fit(scaled(*this, scale) % scaled(other, scale), scale);
}

FormulaDecimal FormulaDecimal::roundedHalfEven(int decimals) const
{
    if (scale_ <= decimals)
        return *this;
    const bool negative = value_ < 0;
    Wide magnitude = negative ? Wide(-value_) : value_;
    const int drop = scale_ - decimals;
    const Wide rest = magnitude % power(drop);
    magnitude /= power(drop);
    const Wide half = power(drop) / 2;
    if (rest > half || (rest == half && (magnitude & 1) != 0))
        magnitude += 1;
    return FormulaDecimal(negative ? Wide(-magnitude) : magnitude, decimals);
}

double FormulaDecimal::toDouble() const
{
    const std::string text = toText();
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

std::string FormulaDecimal::toText() const
{
    const bool negative = value_ < 0;
    std::string digits = wideDigits(negative ? Wide(-value_) : value_);
    if (scale_ > 0) {
        if (digits.size() <= static_cast<size_t>(scale_))
            digits.insert(0, static_cast<size_t>(scale_) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<size_t>(scale_), 1, '.');
        while (digits.back() == '0')
            digits.pop_back();
        if (digits.back() == '.')
            digits.pop_back();
    }
    if (negative && digits != "0")
        digits.insert(0, 1, '-');
    return digits;
}

} // namespace qv
