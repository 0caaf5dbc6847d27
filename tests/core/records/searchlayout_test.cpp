#include "recorddesign.h"
#include "records/recordschema.h"
#include "records/searchlayout.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// Columns of the order design: Customer 0, Quantity 1, Price 2, Ordered 3, Delivery 4,
// Remarks 5, Paid 6; Total (F4) is a dummy field and not stored.
TEST(SearchLayout, ListsTheChosenStoredColumnsOrTheFirstTen)
{
    struct Case {
        const char* name;
        std::vector<int16_t> codes;
        std::vector<int> listed;
    } cases[] = {
        {"none chosen: the export order", {}, {0, 1, 2, 3, 4, 5, 6}},
        {"chosen, in their order", {0, 2001, 1, 6001}, {4, 0, 5}},
        {"a dummy field and unknown objects are left out", {4, 99, 2005, 4000}, {6}},
        {"a column chosen twice is listed once", {3, 3, 1}, {2, 0}},
        {"only unusable choices: the export order", {4, 99}, {0, 1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        AppData design = test::orderDesign();
        for (size_t i = 0; i < c.codes.size(); ++i)
            design.searchColumnRefs[i] = c.codes[i];
        const RecordSchema schema(design);
        EXPECT_EQ(SearchLayoutOf(design, schema).listed, c.listed) << c.name;
    }
}

TEST(SearchLayout, AtMostTenColumnsAndTheOptionsOfTheDesign)
{
    AppData design;
    for (int i = 1; i <= 12; ++i)
        design.fields.push_back(test::blockField("F" + std::to_string(i), i));
    design.fields[1].field.noSearch = 1;
    design.searchMultiSelect = 1;
    design.searchLastFirst = -1;
    const RecordSchema schema(design);
    const SearchLayout layout = SearchLayoutOf(design, schema);
    EXPECT_EQ(layout.listed.size(), 10u);
    EXPECT_EQ(layout.searchable.size(), 11u);
    EXPECT_EQ(layout.searchable[1], 2);
    EXPECT_TRUE(layout.multiSelect);
    EXPECT_TRUE(layout.lastFirst);
    EXPECT_FALSE(layout.exportButton);
}

} // namespace
} // namespace qv
