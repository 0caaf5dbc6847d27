#include "recorddesign.h"
#include "records/recordcursor.h"
#include "records/recordorder.h"

#include <gtest/gtest.h>

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
