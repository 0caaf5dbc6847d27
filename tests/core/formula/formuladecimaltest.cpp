#include "formula/formuladecimal.h"

#include <gtest/gtest.h>

namespace {

qv::FormulaDecimal parsed(const char* text)
{
    return qv::FormulaDecimal::parse(text).value();
}

std::string textOf(const std::optional<qv::FormulaDecimal>& value)
{
    return value ? value->toText() : "overflow";
}

TEST(FormulaDecimal, ParsesAndRoundsToTwentyEightDecimals)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", "0"},
        {"-0", "0"},
        {".5", "0.5"},
        {"7.", "7"},
        {"+12.50", "12.5"},
        {"000123.4500", "123.45"},
        {"0.00000000000000000000000000005", "0"},
        {"0.00000000000000000000000000015", "0.0000000000000000000000000002"},
        {"0.000000000000000000000000000051", "0.0000000000000000000000000001"},
        {"1.00000000000000000000000000005", "1"},
        {"79228162514264337593543950335", "79228162514264337593543950335"},
        {"7922816251426433759354395033.46", "7922816251426433759354395033.5"},
        {"7922816251426433759354395033.56", "7922816251426433759354395034"},
        {"0.0000000000000000000000000000000000000000000001", "0"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(textOf(qv::FormulaDecimal::parse(text)), expected) << text;
    for (const char* bad : {"", "-", ".", "1.2.3", "1e5", "79228162514264337593543950336",
                            "1000000000000000000000000000000000000000000000000000000000000000"})
        EXPECT_FALSE(qv::FormulaDecimal::parse(bad).has_value()) << bad;
}

TEST(FormulaDecimal, ArithmeticRoundsHalfToEvenAndOverflows)
{
    EXPECT_EQ(textOf(parsed("2").dividedBy(parsed("3"))), "0.6666666666666666666666666667");
    EXPECT_EQ(textOf(parsed("10").dividedBy(parsed("3"))), "3.3333333333333333333333333333");
    EXPECT_EQ(textOf(parsed("-1").dividedBy(parsed("8"))), "-0.125");
    EXPECT_EQ(textOf(parsed("1").dividedBy(parsed("0"))), "overflow");
    EXPECT_EQ(textOf(parsed("0.1").times(parsed("0.1"))), "0.01");
    EXPECT_EQ(textOf(parsed("0.1").plus(parsed("0.2"))), "0.3");
    EXPECT_EQ(textOf(parsed("1").minus(parsed("0.0000000000000000000000000001"))),
              "0.9999999999999999999999999999");
    EXPECT_EQ(textOf(parsed("79228162514264337593543950335").plus(parsed("1"))), "overflow");
    EXPECT_EQ(textOf(parsed("79228162514264337593543950335").dividedBy(parsed("0.5"))), "overflow");
    EXPECT_EQ(textOf(parsed("10000000000000000").times(parsed("10000000000000000"))), "overflow");
    EXPECT_EQ(textOf(parsed("-7").remainder(parsed("3"))), "-1");
    EXPECT_EQ(textOf(parsed("7").remainder(parsed("-3"))), "1");
    EXPECT_EQ(parsed("2.5").roundedHalfEven(0).toText(), "2");
    EXPECT_EQ(parsed("-3.5").roundedHalfEven(0).toText(), "-4");
    EXPECT_EQ(parsed("1.25").roundedHalfEven(1).toText(), "1.2");
    EXPECT_EQ(parsed("1.2").compare(parsed("1.20")), 0);
    EXPECT_EQ(parsed("-1").compare(parsed("0.5")), -1);
}

} // namespace
