#include "records/recordschema.h"
#include "records/valuereplace.h"

#include "recordsfixture.h"

namespace qv {
namespace {

using test::F;
using test::K;

TEST(ReplaceIgnoringCase, FindsLettersWhateverTheirCase)
{
    struct Case {
        const char* text;
        const char* find;
        const char* with;
        const char* expected;
    } cases[] = {
        {"Post office", "post", "Mail", "Mail office"},
        {"aAa", "a", "b", "bbb"},
        {"Müller MÜLLER", "müller", "M.", "M. M."},
        {"abc", "", "x", "abc"},
        {"abc", "abcd", "x", "abc"},
        {"aaa", "aa", "b", "ba"},
        {"Straße", "STRASSE", "x", "Straße"},
        {"x\xFFy", "\xFF", "-", "x-y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceIgnoringCase(c.text, c.find, c.with), c.expected) << c.text;
}

class ReplaceValuesTest : public ::testing::Test {
protected:
    const RecordColumn& column(InputRef ref)
    {
        return schema.columns()[static_cast<size_t>(schema.columnOf(ref))];
    }

    AppData design = test::invoiceDesign();
    RecordSchema schema{design};
    MemoryRecordSet records = test::invoices();
};

TEST_F(ReplaceValuesTest, WritesEveryChangedRecord)
{
    const ReplaceOutcome outcome =
        ReplaceValues(records, column(F(1)), "smith", "Smyth", FormulaLocale{}, records);
    EXPECT_EQ(outcome.error, "");
    EXPECT_EQ(outcome.changed, 2u);
    EXPECT_EQ(records.find(1)->value(F(1)), "Smyth & Sons");
    EXPECT_EQ(records.find(3)->value(F(1)), "Smythers");

    // An empty text to find fills the empty values.
    EXPECT_EQ(ReplaceValues(records, column(F(2)), "", "0", FormulaLocale{}, records).changed, 1u);
    EXPECT_EQ(records.find(4)->value(F(2)), "0");
}

TEST_F(ReplaceValuesTest, OneValueThatDoesNotFitChangesNothing)
{
    struct Case {
        InputRef object;
        const char* find;
        std::string with;
        const char* error;
    } cases[] = {
        {F(2), "1", "one", "Nothing was replaced: record 2: \"Quantity\" holds numbers"},
        {F(1), "s", std::string(40, 's'), "Nothing was replaced: record 1: \"Customer\" has"},
        {K(0), "1", "maybe", "Nothing was replaced: record 1: \"Paid\" is a check box"},
    };
    for (const Case& c : cases) {
        const ReplaceOutcome outcome =
            ReplaceValues(records, column(c.object), c.find, c.with, FormulaLocale{}, records);
        EXPECT_EQ(outcome.error.rfind(c.error, 0), 0u) << outcome.error;
        EXPECT_EQ(outcome.changed, 0u);
    }
    EXPECT_EQ(records.find(1)->value(F(1)), "Smith & Sons");
    EXPECT_EQ(records.find(2)->value(F(2)), "10");

    const test::BrokenRecordSet broken(records, 1);
    const ReplaceOutcome outcome =
        ReplaceValues(broken, column(F(1)), "s", "z", FormulaLocale{}, records);
    EXPECT_NE(outcome.error.find("could not be read"), std::string::npos);
    EXPECT_EQ(records.find(1)->value(F(1)), "Smith & Sons");
}

} // namespace
} // namespace qv
