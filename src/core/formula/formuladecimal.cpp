#include "formuladecimal.h"

#include <array>
#include <charconv>
#include <cmath>

namespace qv {

namespace {

using Wide = boost::multiprecision::int256_t;
__extension__ typedef unsigned __int128 Word;

constexpr int kMaxScale = 28;
constexpr int kMaxPower = 76;
constexpr Word kMaxWord = (Word(1) << 96) - 1;

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

// 2^96 - 1, the largest magnitude.
const Wide& maxMagnitude()
{
    static const Wide max = (Wide(1) << 96) - 1;
    return max;
}

Wide toWide(Word word)
{
    Wide wide(static_cast<std::uint64_t>(word >> 64));
    wide <<= 64;
    wide |= static_cast<std::uint64_t>(word);
    return wide;
}

// Only for magnitudes below 2^128.
Word toWord(const Wide& magnitude)
{
    return (Word(static_cast<std::uint64_t>(magnitude >> 64)) << 64) |
           static_cast<std::uint64_t>(magnitude & UINT64_MAX);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string wordDigits(Word value)
{
    // At most two 64-bit pieces: the digits above the lowest 19 and those 19.
    constexpr std::uint64_t kNineteenDigits = 10000000000000000000ULL;
    char buffer[48];
    char* end = buffer;
    if ((value >> 64) == 0) {
        end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint64_t>(value)).ptr;
    } else {
        const auto high = static_cast<std::uint64_t>(value / kNineteenDigits);
        const auto low = static_cast<std::uint64_t>(value % kNineteenDigits);
        end = std::to_chars(buffer, buffer + sizeof buffer, high).ptr;
        char lowDigits[24];
        char* lowEnd = std::to_chars(lowDigits, lowDigits + sizeof lowDigits, low).ptr;
        const auto lowCount = static_cast<size_t>(lowEnd - lowDigits);
        for (size_t i = lowCount; i < 19; ++i)
            *end++ = '0';
        for (char* c = lowDigits; c != lowEnd; ++c)
            *end++ = *c;
    }
    return std::string(buffer, end);
}

} // namespace

FormulaDecimal::FormulaDecimal(long long value)
    : magnitude_(value < 0 ? Word(-(value + 1)) + 1 : Word(value)), negative_(value < 0)
{
}

FormulaDecimal::Wide FormulaDecimal::wide() const
{
    const Wide value = toWide(magnitude_);
    return negative_ ? Wide(-value) : value;
}

std::optional<FormulaDecimal> FormulaDecimal::fitWord(Word magnitude, bool negative, int scale,
                                                      Tail tail)
{
    if (tail == kExact && scale <= kMaxScale && magnitude <= kMaxWord)
        return FormulaDecimal(magnitude, negative, scale);
    // The same rounding as fit(), in 128 bits.
    const std::array<Word, 39>& powers = wordPowers();
    for (;;) {
        int drop = std::max(0, scale - kMaxScale);
        while (drop < 38 && magnitude / powers[drop] > kMaxWord)
            ++drop;
        if (drop > scale)
            return std::nullopt;
        Tail newTail = tail;
        if (drop > 0) {
            const Word rest = magnitude % powers[drop];
            magnitude /= powers[drop];
            const Word half = powers[drop] / 2;
            if (rest > half)
                newTail = kAboveHalf;
            else if (rest == half)
                newTail = tail == kExact ? kHalf : kAboveHalf;
            else
                newTail = (rest == 0 && tail == kExact) ? kExact : kBelowHalf;
            scale -= drop;
        }
        if (newTail == kAboveHalf || (newTail == kHalf && (magnitude & 1) != 0))
            magnitude += 1;
        if (magnitude <= kMaxWord)
            return FormulaDecimal(magnitude, negative, scale);
        tail = kExact; // rounding up carried into a new digit: drop one more
    }
}

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
            const Wide rest = magnitude % power(drop);
            magnitude /= power(drop);
            const Wide half = power(drop) / 2;
            if (rest > half)
                newTail = kAboveHalf;
            else if (rest == half)
                newTail = tail == kExact ? kHalf : kAboveHalf;
            else
                newTail = (rest == 0 && tail == kExact) ? kExact : kBelowHalf;
            scale -= drop;
        }
        if (newTail == kAboveHalf || (newTail == kHalf && (magnitude & 1) != 0))
            magnitude += 1;
        if (magnitude <= maxMagnitude())
            return FormulaDecimal(toWord(magnitude), negative, scale);
        tail = kExact; // rounding up carried into a new digit: drop one more
    }
}

std::optional<FormulaDecimal> FormulaDecimal::parse(std::string_view text)
{
    // Most number texts fit the 96 bits and 28 decimals as written: read them straight
    // into a 128-bit word, the first 19 digits in a 64-bit one.
    if (text.size() <= 40) {
        size_t at = 0;
        const bool negative = !text.empty() && text[0] == '-';
        if (!text.empty() && (text[0] == '-' || text[0] == '+'))
            ++at;
        std::uint64_t low = 0;
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
        if (count <= 38 && scale <= kMaxScale && digits <= kMaxWord)
            return FormulaDecimal(digits, negative, scale);
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
    if (!anyDigit || extraWhole > 0)
        return std::nullopt;
    flush();
    return fit(negative ? Wide(-value) : value, scale, tail);
}

int FormulaDecimal::compare(const FormulaDecimal& other) const
{
    const bool a = isNegative();
    const bool b = other.isNegative();
    if (a != b)
        return a ? -1 : 1;
    int order = 0;
    const int difference = scale_ - other.scale_;
    if (difference >= -9 && difference <= 9) {
        const Word x = difference < 0 ? magnitude_ * wordPowers()[-difference] : magnitude_;
        const Word y =
            difference > 0 ? other.magnitude_ * wordPowers()[difference] : other.magnitude_;
        order = x < y ? -1 : (x > y ? 1 : 0);
    } else {
        const int scale = std::max(scale_, other.scale_);
        const Wide x = toWide(magnitude_) * power(scale - scale_);
        const Wide y = toWide(other.magnitude_) * power(scale - other.scale_);
        order = x < y ? -1 : (x > y ? 1 : 0);
    }
    return a ? -order : order;
}

FormulaDecimal FormulaDecimal::abs() const
{
    return FormulaDecimal(magnitude_, false, scale_);
}

std::optional<FormulaDecimal> FormulaDecimal::add(const FormulaDecimal& other, bool subtract) const
{
    const bool otherNegative = subtract ? !other.negative_ : other.negative_;
    const int difference = scale_ - other.scale_;
    if (difference >= -9 && difference <= 9) {
        // Both magnitudes below 2^96, one times at most 10^9: the sum stays below 2^128.
        const Word x = difference < 0 ? magnitude_ * wordPowers()[-difference] : magnitude_;
        const Word y =
            difference > 0 ? other.magnitude_ * wordPowers()[difference] : other.magnitude_;
        const int scale = std::max(scale_, other.scale_);
        if (negative_ == otherNegative)
            return fitWord(x + y, negative_, scale);
        if (x >= y)
            return fitWord(x - y, negative_, scale);
        return fitWord(y - x, otherNegative, scale);
    }
    const int scale = std::max(scale_, other.scale_);
    const Wide x = wide() * power(scale - scale_);
    Wide y = other.wide() * power(scale - other.scale_);
    if (subtract)
        y = -y;
    return fit(x + y, scale);
}

std::optional<FormulaDecimal> FormulaDecimal::plus(const FormulaDecimal& other) const
{
    return add(other, false);
}

std::optional<FormulaDecimal> FormulaDecimal::minus(const FormulaDecimal& other) const
{
    return add(other, true);
}

std::optional<FormulaDecimal> FormulaDecimal::times(const FormulaDecimal& other) const
{
    const bool negative = negative_ != other.negative_;
    if ((magnitude_ >> 64) == 0 && (other.magnitude_ >> 64) == 0)
        return fitWord(magnitude_ * other.magnitude_, negative, scale_ + other.scale_);
    const Wide product = toWide(magnitude_) * toWide(other.magnitude_);
    return fit(negative ? Wide(-product) : product, scale_ + other.scale_);
}

std::optional<FormulaDecimal> FormulaDecimal::dividedBy(const FormulaDecimal& other) const
{
    if (other.isZero())
        return std::nullopt;
    if (isZero())
        return FormulaDecimal();
    const bool negative = negative_ != other.negative_;
    const Word divisor = other.magnitude_;
    // Scale the dividend up to 38 digits; the 128-bit quotient is enough when it keeps
    // more digits than can be stored.
    const int extra = 38 - decimalDigits(magnitude_);
    const Word dividend = magnitude_ * wordPowers()[extra];
    const Word quotient = dividend / divisor;
    const int scale = scale_ - other.scale_ + extra;
    if (quotient != 0 && scale >= 0 && (decimalDigits(quotient) >= 30 || scale > kMaxScale)) {
        const Word rest = dividend % divisor;
        Tail tail = kExact;
        if (rest != 0) {
            // rest < divisor < 2^96, so twice the rest does not overflow.
            const Word twice = rest * 2;
            tail = twice > divisor ? kAboveHalf : (twice == divisor ? kHalf : kBelowHalf);
        }
        return fitWord(quotient, negative, scale, tail);
    }
    // Otherwise scale the dividend up to 76 digits, which the wide type still holds: the
    // quotient then keeps at least 47 digits, more than can be stored.
    const int wideExtra = kMaxPower - decimalDigits(magnitude_);
    const Wide wideDividend = toWide(magnitude_) * power(wideExtra);
    const Wide wideDivisor = toWide(divisor);
    const Wide wideQuotient = wideDividend / wideDivisor;
    const Wide rest = wideDividend % wideDivisor;
    Tail tail = kExact;
    if (rest != 0) {
        const Wide twice = rest * 2;
        tail = twice > wideDivisor ? kAboveHalf : (twice == wideDivisor ? kHalf : kBelowHalf);
    }
    return fit(negative ? Wide(-wideQuotient) : wideQuotient, scale_ - other.scale_ + wideExtra,
               tail);
}

std::optional<FormulaDecimal> FormulaDecimal::remainder(const FormulaDecimal& other) const
{
    if (other.isZero())
        return std::nullopt;
    const int scale = std::max(scale_, other.scale_);
    const Wide x = toWide(magnitude_) * power(scale - scale_);
    const Wide y = toWide(other.magnitude_) * power(scale - other.scale_);
    const Wide rest = x % y;
    return fit(negative_ ? Wide(-rest) : rest, scale);
}

FormulaDecimal FormulaDecimal::roundedHalfEven(int decimals) const
{
    if (scale_ <= decimals)
        return *this;
    const Word unit = wordPowers()[scale_ - decimals];
    Word whole = magnitude_ / unit;
    const Word rest = magnitude_ % unit;
    const Word half = unit / 2;
    if (rest > half || (rest == half && (whole & 1) != 0))
        whole += 1;
    return FormulaDecimal(whole, negative_, decimals);
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
    std::string digits = wordDigits(magnitude_);
    if (scale_ > 0) {
        if (digits.size() <= static_cast<size_t>(scale_))
            digits.insert(0, static_cast<size_t>(scale_) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<size_t>(scale_), 1, '.');
        while (digits.back() == '0')
            digits.pop_back();
        if (digits.back() == '.')
            digits.pop_back();
    }
    if (isNegative() && digits != "0")
        digits.insert(0, 1, '-');
    return digits;
}

} // namespace qv
