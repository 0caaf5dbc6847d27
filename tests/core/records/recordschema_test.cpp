#include "recorddesign.h"
#include "records/inputorder.h"
#include "records/recordschema.h"

#include "document/objectkind.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::vector<std::string> namesOf(const RecordSchema& schema)
{
    std::vector<std::string> names;
    for (const RecordColumn& column : schema.columns())
        names.push_back(column.name);
    return names;
}

TEST(RecordSchema, OneColumnPerStoredObjectInExportOrder)
{
    const AppData design = test::orderDesign();
    const RecordSchema schema(design);
    // Total is a dummy field: shown, never stored.
    EXPECT_EQ(namesOf(schema), (std::vector<std::string>{"Customer", "Quantity", "Price", "Ordered",
                                                         "Delivery", "Remarks", "Paid"}));
    EXPECT_EQ(schema.columnOf({InputKind::Field, 4}), -1);
    EXPECT_EQ(schema.columnOf({InputKind::Combo, 1}), 4);
    EXPECT_EQ(schema.columnOfReference(2001), 4);
    EXPECT_EQ(schema.columnOfReference(6001), 5);
    EXPECT_EQ(schema.columnOfReference(4000), 6);
    EXPECT_EQ(schema.columnOfReference(4), -1);
    EXPECT_EQ(schema.columnOfReference(0), -1);
}

TEST(RecordSchema, NamesComeFromTagsAndStayUniqueIgnoringCase)
{
    AppData design;
    for (const char* tag :
         {"Name", "name", "ID", "  Spaced  ", "", "Say \"hi\"", "Name_2", "tab\there", "changed"})
        design.fields.push_back(test::blockField(tag, 0));
    design.fieldFormulas.resize(design.fields.size());
    const RecordSchema schema(design);
    EXPECT_EQ(namesOf(schema),
              (std::vector<std::string>{"Name", "name_2", "ID_2", "Spaced", "Field_5", "Say \"hi\"",
                                        "Name_2_2", "tabhere", "changed_2"}));
}

TEST(RecordSchema, RenumberingTheTabOrderRenamesNothing)
{
    AppData design;
    design.fields = {test::blockField("Same", 1), test::blockField("Same", 2)};
    const std::vector<std::string> before = namesOf(RecordSchema(design));
    design.fields[0].field.tabOrder = 2;
    design.fields[1].field.tabOrder = 1;
    const RecordSchema after(design);
    EXPECT_EQ(after.columns()[0].object.index, 2);
    EXPECT_EQ(after.columns()[0].name, "Same_2");
    EXPECT_EQ(before, (std::vector<std::string>{"Same", "Same_2"}));
}

TEST(RecordSchema, DeletedObjectsAreNotStored)
{
    AppData design = test::orderDesign();
    design.fields[0].field.page = kDeletedPage;
    design.checkboxes[0].page = kParkedPage;
    const RecordSchema schema(design);
    EXPECT_EQ(schema.columnOf({InputKind::Field, 1}), -1);
    EXPECT_EQ(schema.columnOf({InputKind::Checkbox, 0}), -1);
    EXPECT_EQ(schema.size(), 5);
}

TEST(RecordSchema, ColumnsToAddAreThoseTheStoreLacks)
{
    const RecordSchema schema(test::orderDesign());
    const std::vector<RecordColumn> missing =
        ColumnsToAdd(schema, {"ID", "customer", "Quantity", "Price", "Ordered", "Gone", "Paid"});
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_EQ(missing[0].name, "Delivery");
    EXPECT_EQ(missing[1].name, "Remarks");
}

TEST(RecordSchema, IdentifiersAreQuotedWithInnerQuotesDoubled)
{
    EXPECT_EQ(QuoteIdentifier("Name"), "\"Name\"");
    EXPECT_EQ(QuoteIdentifier("a\"; DROP TABLE records; --"), "\"a\"\"; DROP TABLE records; --\"");
    EXPECT_EQ(ColumnNameOfTag(std::string(70, 'x'), "F"), std::string(60, 'x'));
    // Never cut inside a character: 59 ASCII bytes, then a two-byte letter.
    EXPECT_EQ(ColumnNameOfTag(std::string(59, 'x') + "\xC3\xA9", "F"), std::string(59, 'x'));
}

TEST(InputOrder, FollowsTheOrderNumbersThenIndexThenKind)
{
    AppData design;
    design.fields = {test::blockField("a", 5), test::blockField("b", 0), test::blockField("c", 9)};
    BlockNotes notes;
    notes.notes.tabOrder = 5;
    design.notes = {notes};
    Checkbox box;
    box.tabOrder = 1;
    design.checkboxes = {box};
    const std::vector<InputRef> order = InputOrder(design);
    const std::vector<InputRef> expected{{InputKind::Checkbox, 0},
                                         {InputKind::Field, 1},
                                         {InputKind::Notes, 1},
                                         {InputKind::Field, 3},
                                         {InputKind::Field, 2}};
    EXPECT_EQ(order, expected);
}

TEST(RecordSchema, ColumnsCarryTheLimitsTheirValuesAreCheckedAgainst)
{
    AppData design = test::orderDesign();
    design.fields[0].field.maxLength = 40;
    design.notes[0].notes.maxLength = -5;
    design.combos[0].maxLength = 20;
    const RecordSchema schema(design);
    struct Case {
        InputRef object;
        int32_t maxLength;
        int fieldFormat;
    } cases[] = {
        {{InputKind::Field, 1}, 40, 0}, {{InputKind::Field, 3}, 0, 2},
        {{InputKind::Field, 5}, 0, 7},  {{InputKind::Notes, 1}, 0, 0},
        {{InputKind::Combo, 1}, 20, 0}, {{InputKind::Checkbox, 0}, 0, 0},
    };
    for (const Case& c : cases) {
        const int at = schema.columnOf(c.object);
        ASSERT_GE(at, 0) << c.object.token();
        const RecordColumn& column = schema.columns()[static_cast<size_t>(at)];
        EXPECT_EQ(column.maxLength, c.maxLength) << c.object.token();
        EXPECT_EQ(column.fieldFormat, c.fieldFormat) << c.object.token();
    }
}

} // namespace
} // namespace qv
