#include "records/columnstatistics.h"
#include "records/fileplate.h"

#include <gtest/gtest.h>

#include <map>

namespace qv {
namespace {

PlateValue valuesOf(std::map<std::string, std::string> values)
{
    return [values](char letter, int index, std::string& value) {
        const auto found = values.find(std::string(1, letter) + std::to_string(index));
        if (found == values.end())
            return false;
        value = found->second;
        return true;
    };
}

TEST(FilePlate, PlaceholdersTakeTheRecordsValues)
{
    const PlateValue values = valuesOf({{"F1", "Acme & Sons <Ltd>"},
                                        {"F12", "twelve"},
                                        {"C2", "Post"},
                                        {"K0", "1"},
                                        {"N1", "F2:"},
                                        {"M1", "memo"},
                                        {"P0", "Orders1.png"}});
    struct Case {
        const char* plate;
        bool markup;
        const char* filled;
    };
    const Case cases[] = {
        {"<Record_ID:>\r\n  <Name>F1:</Name>\r\n</Record_ID:>", true,
         "<Record_7>\r\n  <Name>Acme &amp; Sons &lt;Ltd&gt;</Name>\r\n</Record_7>"},
        {"F12: F1: C2:K0:", false, "twelve Acme & Sons <Ltd> Post1"},
        {"mailto:F1:?Subject=C2:&body=M1:", false,
         "mailto:Acme & Sons <Ltd>?Subject=Post&body=memo"},
        // A value that looks like a placeholder stays as it is.
        {"N1: P0:", false, "F2: Orders1.png"},
        // Inside a word nothing is a placeholder; unknown objects stay as written.
        {"VALID: REF1: F99: F: ID", false, "VALID: REF1: F99: F: ID"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillFilePlate(c.plate, 7, values, c.markup), c.filled) << c.plate;
    EXPECT_TRUE(IsMarkupExtension("XML"));
    EXPECT_TRUE(IsMarkupExtension("html"));
    EXPECT_FALSE(IsMarkupExtension("txt"));
}

TEST(ColumnStatistics, CountsFilledValuesAndTheNumbersAmongThem)
{
    ColumnStatistics stats(FormulaLocale{});
    for (const char* value : {"1,234.50", "", "  ", "-4", "n/a", "10", "+2.5"})
        stats.add(value);
    EXPECT_EQ(stats.records(), 7);
    EXPECT_EQ(stats.filled(), 5);
    EXPECT_EQ(stats.numbers(), 4);
    EXPECT_DOUBLE_EQ(stats.sum(), 1243.0);
    EXPECT_DOUBLE_EQ(stats.minimum(), -4);
    EXPECT_DOUBLE_EQ(stats.maximum(), 1234.5);
    EXPECT_DOUBLE_EQ(stats.average(), 310.75);

    ColumnStatistics german(FormulaLocale::fromIcu("de_DE"));
    german.add("1.234,5");
    EXPECT_DOUBLE_EQ(german.sum(), 1234.5);
}

} // namespace
} // namespace qv
