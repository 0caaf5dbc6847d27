#pragma once

#include <boost/multiprecision/cpp_int.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The decimal type of the accumulator: a whole number of at most 96 bits with a scale
// of 0 to 28 decimals, so 28 to 29 significant digits and exact sums of money. Results
// are rounded half to even to fit; beyond 79228162514264337593543950335 an operation
// overflows and gives nullopt.
class FormulaDecimal {
public:
    FormulaDecimal() = default;
    explicit FormulaDecimal(long long value);

    // Reads an optional sign, digits and an optional point with digits ("-12.5", ".5",
    // "7."); nullopt for anything else or a value beyond the range. Decimals beyond 28
    // are rounded.
    static std::optional<FormulaDecimal> parse(std::string_view text);

    bool isZero() const { return magnitude_ == 0; }
    bool isNegative() const { return negative_ && magnitude_ != 0; }
    // -1, 0 or 1.
    int compare(const FormulaDecimal& other) const;
    FormulaDecimal abs() const;

    std::optional<FormulaDecimal> plus(const FormulaDecimal& other) const;
    std::optional<FormulaDecimal> minus(const FormulaDecimal& other) const;
    std::optional<FormulaDecimal> times(const FormulaDecimal& other) const;
    // nullopt also for a zero divisor.
    std::optional<FormulaDecimal> dividedBy(const FormulaDecimal& other) const;
    // The remainder of the truncating division; it takes the sign of this value.
    std::optional<FormulaDecimal> remainder(const FormulaDecimal& other) const;
    FormulaDecimal roundedHalfEven(int decimals) const;

    double toDouble() const;
    // Plain text with "." and no trailing fraction zeros ("-1234.5", "0").
    std::string toText() const;

private:
    using Wide = boost::multiprecision::int256_t;
    __extension__ typedef unsigned __int128 Word;
    // How the digits beyond the kept ones compare with a half unit of the last one.
    enum Tail { kExact, kBelowHalf, kHalf, kAboveHalf };

    FormulaDecimal(Word magnitude, bool negative, int scale)
        : magnitude_(magnitude), negative_(negative && magnitude != 0), scale_(scale)
    {
    }
    // Rounds a wide intermediate into range; nullopt when its whole part does not fit.
    static std::optional<FormulaDecimal> fit(Wide value, int scale, Tail tail = kExact);
    // The same for a 128-bit magnitude, without the wide type when it already fits.
    static std::optional<FormulaDecimal> fitWord(Word magnitude, bool negative, int scale,
                                                 Tail tail = kExact);
    Wide wide() const;
    std::optional<FormulaDecimal> add(const FormulaDecimal& other, bool subtract) const;

    // Operations work on the 128-bit magnitude and use the wide type only when an
    // intermediate needs more.
    Word magnitude_ = 0; // at most 2^96 - 1
    bool negative_ = false;
    int scale_ = 0;
};

} // namespace qv
