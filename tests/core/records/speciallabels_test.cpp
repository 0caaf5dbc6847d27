#include "records/speciallabels.h"

#include "designer/objectcreation.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// A design whose labels 1..5 are the reserved ones, with the given captions.
AppData withLabels(std::initializer_list<const char*> captions)
{
    AppData data;
    for (const char* caption : captions) {
        Title title;
        title.caption = caption;
        data.titles.push_back(title);
    }
    return data;
}

TEST(SpecialLabels, ShowTodayTheDayMadeAndTheRecordNumber)
{
    AppData data = withLabels({"", "", "15-01-2026", "2026-01-15", "0000000001"});
    data.dateStampFormat2 = 2; // the "Date" label: dd-mm-yyyy
    data.dateStampFormat = 4;  // the "Date Stamp" label: yyyy-mm-dd
    const SpecialLabelTexts texts =
        SpecialLabelsFor(data, 42, {2026, 12, 7}, {2025, 3, 4}, "en_US");
    EXPECT_EQ(texts.date, "07-12-2026");
    EXPECT_EQ(texts.dateStamp, "2025-03-04");
    EXPECT_EQ(texts.recordId, "0000000042");
}

TEST(SpecialLabels, LabelsNeverPlacedOrWithoutAFormStayAsDesigned)
{
    // Reserved but never placed: empty captions, and a design with no labels at all.
    for (const AppData& data :
         {withLabels({"", "", "", "", ""}), withLabels({"Name"}), AppData{}}) {
        const SpecialLabelTexts texts =
            SpecialLabelsFor(data, 7, {2026, 12, 7}, {2026, 12, 7}, "en_US");
        EXPECT_FALSE(texts.date);
        EXPECT_FALSE(texts.dateStamp);
        EXPECT_FALSE(texts.recordId);
    }
    // The date menus' sixth entry names no form: the placed caption stays.
    AppData data = withLabels({"", "", "a date", "a stamp", "0000000001"});
    data.dateStampFormat = 5;
    data.dateStampFormat2 = 5;
    const SpecialLabelTexts texts =
        SpecialLabelsFor(data, 7, {2026, 12, 7}, {2026, 12, 7}, "en_US");
    EXPECT_FALSE(texts.date);
    EXPECT_FALSE(texts.dateStamp);
    EXPECT_EQ(texts.recordId, "0000000007");
}

TEST(SpecialLabels, RecordNumbersInTenDigits)
{
    EXPECT_EQ(RecordIdText(1), "0000000001");
    EXPECT_EQ(RecordIdText(2147483647), "2147483647");
    EXPECT_EQ(RecordIdText(12345678901), "12345678901"); // longer numbers are not cut
}

} // namespace
} // namespace qv
