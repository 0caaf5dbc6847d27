#include "recorddesign.h"
#include "records/recordcursor.h"
#include "records/recordorder.h"

#include <gtest/gtest.h>
#include <unicode/coll.h>
#include <unicode/locid.h>

#include <algorithm>
#include <memory>

namespace qv {
namespace {

std::vector<KeyedRecord> keyed(const std::vector<std::string>& values)
{
    std::vector<KeyedRecord> records;
    for (size_t i = 0; i < values.size(); ++i)
        records.emplace_back(static_cast<int64_t>(i + 1), values[i]);
    return records;
}

TEST(OrderRecords, SortsByTheColumnsKindOfValue)
{
    struct Case {
        const char* what;
        SortKind kind;
        bool descending;
        std::vector<std::string> values;
        std::vector<int64_t> order;
    };
    const Case cases[] = {
        {"text ignores case, accents follow their letter",
         SortKind::Text,
         false,
         {"banana", "Apple", "", "apple",
          "\xC3\xA9"
          "clair",
          "Eclair", "cherry"},
         {2, 4, 1, 7, 6, 5, 3}},
        {"descending text keeps empty values last",
         SortKind::Text,
         true,
         {"b", "", "a", "c"},
         {4, 1, 3, 2}},
        {"numbers by value, grouped or not, texts after them",
         SortKind::Number,
         false,
         {"1,234.50", "999", "-5", "n/a", "", "10", "0.5"},
         {3, 7, 6, 2, 1, 4, 5}},
        {"texts a number reader would take for infinite or not a number are texts",
         SortKind::Number,
         false,
         {"nan", "2", "inf", "1", "NaN", "-infinity", "3"},
         {4, 2, 7, 6, 3, 1, 5}},
        {"numbers descending", SortKind::Number, true, {"2", "10", "", "1"}, {2, 1, 4, 3}},
        {"dates by the day they name",
         SortKind::Date,
         false,
         {"12/1/2025", "1/15/2024", "soon", "3/2/2025"},
         {2, 4, 1, 3}},
        {"equal values keep record-number order",
         SortKind::Text,
         false,
         {"same", "Same", "SAME"},
         {1, 2, 3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OrderRecords(keyed(c.values), c.kind, c.descending, FormulaLocale{}), c.order)
            << c.what;
}

// Orders texts as the locale's collator compares them, whatever start they share and however
// long they are: the order of many generated texts equals a sort by the collator itself.
TEST(OrderRecords, TextsOrderAsTheCollatorComparesThem)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(icu::Locale("en_US"), status));
    ASSERT_TRUE(U_SUCCESS(status));
    collator->setStrength(icu::Collator::SECONDARY);
    const std::vector<std::string> starts = {
        "", "Customer ", "customer ", "Customer", std::string(300, 'x'), "\xC3\xA9t\xC3\xA9 "};
    const std::vector<std::string> ends = {"",         "1",  "10",  "2",           "a",
                                           "A",        "ab", "ab ", "abcdefghijk", "abcdefghijl",
                                           "\xC3\xA0", "-",  " ",   "a\xFF"};
    std::vector<std::string> values;
    for (int descending = 0; descending < 2; ++descending) {
        values.clear();
        uint32_t seed = 12345;
        for (int i = 0; i < 600; ++i) {
            seed = seed * 1103515245u + 12345u;
            const std::string& start = starts[(seed >> 8) % starts.size()];
            const std::string& end = ends[(seed >> 16) % ends.size()];
            values.push_back(start + end + (i % 7 == 0 ? end : std::string()));
        }
        std::vector<int64_t> expected(values.size());
        for (size_t i = 0; i < values.size(); ++i)
            expected[i] = static_cast<int64_t>(i + 1);
        auto empty = [](const std::string& v) {
            return v.find_first_not_of(' ') == std::string::npos;
        };
        std::stable_sort(expected.begin(), expected.end(), [&](int64_t a, int64_t b) {
            const std::string& va = values[static_cast<size_t>(a - 1)];
            const std::string& vb = values[static_cast<size_t>(b - 1)];
            if (empty(va) || empty(vb))
                return !empty(va) && empty(vb);
            UErrorCode s = U_ZERO_ERROR;
            const UCollationResult order =
                collator->compareUTF8(icu::StringPiece(va), icu::StringPiece(vb), s);
            return descending ? order == UCOL_GREATER : order == UCOL_LESS;
        });
        EXPECT_EQ(OrderRecords(keyed(values), SortKind::Text, descending != 0, FormulaLocale{}),
                  expected)
            << (descending ? "descending" : "ascending");
    }
}

TEST(OrderRecords, TheColumnsFormatGivesTheKind)
{
    AppData design = test::orderDesign();
    EXPECT_EQ(SortKindOf(design, {InputKind::Field, 1}), SortKind::Text);
    EXPECT_EQ(SortKindOf(design, {InputKind::Field, 2}), SortKind::Number);
    EXPECT_EQ(SortKindOf(design, {InputKind::Field, 5}), SortKind::Date);
    EXPECT_EQ(SortKindOf(design, {InputKind::Checkbox, 0}), SortKind::Number);
    EXPECT_EQ(SortKindOf(design, {InputKind::Combo, 1}), SortKind::Text);
}

TEST(RecordCursor, MovesStopAtTheEnds)
{
    std::vector<int64_t> ids;
    for (int64_t id = 1; id <= 25; ++id)
        ids.push_back(id * 2);
    struct Step {
        RecordMove move;
        int64_t expected;
    };
    RecordCursor cursor;
    cursor.setOrder(ids, 0); // not in the order: the last record
    EXPECT_EQ(cursor.current(), 50);
    const Step steps[] = {
        {RecordMove::Next, 50},   {RecordMove::Previous, 48}, {RecordMove::TenBack, 28},
        {RecordMove::TenBack, 8}, {RecordMove::TenBack, 2},   {RecordMove::Previous, 2},
        {RecordMove::Next, 4},    {RecordMove::Last, 50},     {RecordMove::First, 2}};
    for (const Step& step : steps)
        EXPECT_EQ(cursor.move(step.move), step.expected);
}

TEST(RecordCursor, NewAndDeletedRecordsKeepTheWalkSensible)
{
    RecordCursor cursor;
    cursor.setOrder({5, 3, 9}, 3);
    EXPECT_EQ(cursor.position(), 1);
    cursor.leave(); // a new record is entered
    EXPECT_EQ(cursor.current(), 0);
    EXPECT_EQ(cursor.move(RecordMove::Previous), 3);
    cursor.leave();
    cursor.append(12);
    EXPECT_EQ(cursor.current(), 12);
    EXPECT_EQ(cursor.size(), 4);
    cursor.moveTo(3);
    cursor.remove(3);
    EXPECT_EQ(cursor.current(), 9);
    cursor.moveTo(12);
    cursor.remove(12);
    EXPECT_EQ(cursor.current(), 9);
    cursor.remove(5);
    cursor.remove(9);
    EXPECT_EQ(cursor.current(), 0);
    EXPECT_EQ(cursor.move(RecordMove::Next), 0);

    RecordCursor empty;
    empty.setOrder({}, 0);
    EXPECT_EQ(empty.position(), -1);
}

} // namespace
} // namespace qv
