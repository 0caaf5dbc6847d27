#include "formula/cmoney.h"
#include "formula/localeformats.h"

#include <gtest/gtest.h>

namespace {

struct WordsCase {
    qv::MoneyCurrency currency;
    std::string amount;
    std::string expected;
};

constexpr auto kDollar = qv::MoneyCurrency::Dollar;
constexpr auto kPound = qv::MoneyCurrency::Pound;
constexpr auto kEuro = qv::MoneyCurrency::Euro;

TEST(CMoney, WritesAmountsInWords)
{
    const WordsCase cases[] = {
        {kDollar, "1234.56", "One Thousand Two Hundred Thirty-Four Dollars and Fifty-Six Cents"},
        {kDollar, "0", "Zero Dollars and No Cents"},
        {kDollar, "5", "Five Dollars and No Cents"},
        {kDollar, "1", "One Dollar and No Cents"},
        {kDollar, "0.01", "Zero Dollars and One Cent"},
        {kDollar, "0.99", "Zero Dollars and Ninety-Nine Cents"},
        {kDollar, "12.999", "Twelve Dollars and Ninety-Nine Cents"},
        {kDollar, "1000", "One Thousand Dollars and No Cents"},
        {kDollar, "1000000", "One Million Dollars and No Cents"},
        {kDollar, "1000001", "One Million One Dollars and No Cents"},
        {kDollar, "115", "One Hundred Fifteen Dollars and No Cents"},
        {kDollar, "110", "One Hundred Ten Dollars and No Cents"},
        {kDollar, "40", "Forty Dollars and No Cents"},
        {kDollar, "21.05", "Twenty-One Dollars and Five Cents"},
        {kDollar, "100.1", "One Hundred Dollars and Ten Cents"},
        {kDollar, "001", "One Dollar and No Cents"},
        {kDollar, "12.", "Twelve Dollars and No Cents"},
        {kDollar, ".5", "Zero Dollars and Fifty Cents"},
        {kDollar, "-0", "Zero Dollars and No Cents"},
        {kDollar, "999999999999999999999999999999",
         "Nine Hundred Ninety-Nine Octillion Nine Hundred Ninety-Nine Septillion Nine Hundred "
         "Ninety-Nine Sextillion Nine Hundred Ninety-Nine Quintillion Nine Hundred Ninety-Nine "
         "Quadrillion Nine Hundred Ninety-Nine Trillion Nine Hundred Ninety-Nine Billion Nine "
         "Hundred Ninety-Nine Million Nine Hundred Ninety-Nine Thousand Nine Hundred "
         "Ninety-Nine Dollars and No Cents"},
        {kPound, "12.01", "Twelve Pounds and One Pence"},
        {kPound, "1.5", "One Pound and Fifty Pence"},
        {kPound, "3", "Three Pounds and No Pence"},
        {kEuro, "2", "Two Euros and No Cents"},
        {kEuro, "1.01", "One Euro and One Cent"},
        // Not an amount: negative, not a number, more than 30 integer digits.
        {kDollar, "-5", "Invalid Dollar Amount."},
        {kPound, "-0.01", "Invalid Dollar Amount."},
        {kEuro, "-1", "Invalid Dollar Amount."},
        {kDollar, "abc", "Invalid Dollar Amount."},
        {kDollar, "", "Invalid Dollar Amount."},
        {kDollar, "1.2.3", "Invalid Dollar Amount."},
        {kDollar, "1e5", "Invalid Dollar Amount."},
        {kDollar, "1000000000000000000000000000000", "Invalid Dollar Amount."},
    };
    for (const WordsCase& c : cases) {
        std::string amount = c.amount;
        EXPECT_EQ(qv::CMoney(c.currency).MonetaryToWords(amount), c.expected) << c.amount;
    }
}

TEST(CMoney, CutsTheAmountToTwoDecimalsInPlace)
{
    std::string amount = "12.345";
    qv::CMoney(kDollar).MonetaryToWords(amount);
    EXPECT_EQ(amount, "12.34");
}

TEST(CMoney, ChoosesTheCurrencyFromTheLocale)
{
    const std::pair<const char*, qv::MoneyCurrency> cases[] = {
        {"en_US", kDollar}, {"en_GB", kPound}, {"de_DE", kEuro}, {"fr_FR", kEuro}};
    for (const auto& [id, currency] : cases) {
        qv::LocaleFormats formats(qv::FormulaLocale::fromIcu(id));
        EXPECT_EQ(qv::CMoney::currencyOfLocale(formats), currency) << id;
    }
}

} // namespace
