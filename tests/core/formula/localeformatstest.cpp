#include "formula/localeformats.h"

#include <gtest/gtest.h>

namespace {

using Formatter = std::optional<std::string> (qv::LocaleFormats::*)(double);

struct DateCase {
    const char* what;
    Formatter format;
    double serial;
    const char* us;
    const char* de;
};

TEST(LocaleFormats, FormatsDatesInTwoLocales)
{
    using F = qv::LocaleFormats;
    // 46362 is 6 December 2026, a Sunday; .75 is 18:00.
    const DateCase cases[] = {
        {"short date", &F::shortDate, 46362, "12/6/2026", "06.12.2026"},
        {"general date, no time", &F::generalDate, 46362, "12/6/2026", "06.12.2026"},
        {"medium date", &F::mediumDate, 46362, "06-Dec-26", "06-Dez.-26"},
        {"long date", &F::longDate, 46362, "Sunday, December 6, 2026", "Sonntag, 6. Dezember 2026"},
        {"short time", &F::shortTime, 46362.75, "18:00", "18:00"},
        {"medium time", &F::mediumTime, 0.75, "06:00 PM", "06:00 PM"},
        {"time with seconds", &F::timeWithSeconds, 0.5 + 1.0 / 86400, "12:00:01", "12:00:01"},
        {"day zero", &F::shortDate, 0, "12/30/1899", "30.12.1899"},
        {"before day zero", &F::shortDate, -1.25, "12/29/1899", "29.12.1899"},
        {"before the Gregorian reform", &F::shortDate, -115863, "10/10/1582", "10.10.1582"},
    };
    qv::LocaleFormats us(qv::FormulaLocale::fromIcu("en_US"));
    qv::LocaleFormats de(qv::FormulaLocale::fromIcu("de_DE"));
    for (const DateCase& c : cases) {
        EXPECT_EQ((us.*c.format)(c.serial).value_or("none"), c.us) << c.what;
        EXPECT_EQ((de.*c.format)(c.serial).value_or("none"), c.de) << c.what;
    }
    EXPECT_FALSE(us.shortDate(3e6).has_value());
    EXPECT_FALSE(us.shortDate(-7e5).has_value());
}

TEST(LocaleFormats, GeneralDateAddsTheLongTime)
{
    qv::LocaleFormats de(qv::FormulaLocale::fromIcu("de_DE"));
    EXPECT_EQ(de.generalDate(46362.75).value_or(""), "06.12.2026 18:00:00");
    EXPECT_EQ(de.generalDate(-1.25).value_or(""), "29.12.1899 06:00:00");
}

TEST(LocaleFormats, ReadsDatesBack)
{
    qv::LocaleFormats us(qv::FormulaLocale::fromIcu("en_US"));
    qv::LocaleFormats de(qv::FormulaLocale::fromIcu("de_DE"));
    EXPECT_EQ(us.parseDate("12/6/2026"), 46362.0);
    EXPECT_EQ(us.parseDate("2026-12-06"), 46362.0);
    EXPECT_EQ(us.parseDate("46362.5"), 46362.5);
    EXPECT_EQ(us.parseDate("18:00"), 0.75);
    EXPECT_EQ(de.parseDate("06.12.2026"), 46362.0);
    EXPECT_EQ(de.parseDate("29.12.1899 06:00:00"), -1.25);
    EXPECT_FALSE(us.parseDate("tomorrow").has_value());
    EXPECT_FALSE(us.parseDate("").has_value());
    EXPECT_FALSE(us.parseDate("13/45/2026").has_value());
}

TEST(LocaleFormats, FormatsCurrencyAndNumbers)
{
    qv::LocaleFormats us(qv::FormulaLocale::fromIcu("en_US"));
    qv::LocaleFormats de(qv::FormulaLocale::fromIcu("de_DE"));
    const std::string value = "-1234.565";
    EXPECT_EQ(us.currency(value, 2), "-$1,234.56");
    EXPECT_EQ(us.currency(value, 0), "-$1,235");
    EXPECT_EQ(us.groupedNumber(value, 4), "-1,234.5650");
    EXPECT_EQ(us.groupedNumber("7", 2), "7.00");
    EXPECT_EQ(de.currency(value, 2), "-1.234,56\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(de.groupedNumber(value, 3), "-1.234,565");
    EXPECT_EQ(de.groupedNumber("2.5", 0), "2");
}

} // namespace
