#include "records/recordcolumns.h"

#include "recordsfixture.h"

namespace qv {
namespace {

std::vector<std::string> names(const std::vector<ExchangeColumn>& columns)
{
    std::vector<std::string> out;
    for (const ExchangeColumn& c : columns)
        out.push_back(c.name + "=" + c.ref.token());
    return out;
}

TEST(RecordColumnsTest, ExportOrderLeavesOutDummyAndDeletedObjects)
{
    AppData a = test::invoiceDesign();
    EXPECT_EQ(names(recordColumns(a)),
              (std::vector<std::string>{"Customer=F1", "Quantity=F2", "Price=F3", "Total=F4",
                                        "Delivery=C1", "Paid=K0", "Remarks=M1"}));

    // Equal order numbers go by kind (field, notes, combo, check box), then by index; a
    // deleted object and one parked as a template keep no values.
    a.fields[1].field.tabOrder = 6;
    a.notes[0].notes.tabOrder = 6;
    a.checkboxes[0].tabOrder = 6;
    a.fields[2].field.page = kDeletedPage;
    a.fields[3].field.page = kParkedPage;
    EXPECT_EQ(names(recordColumns(a)),
              (std::vector<std::string>{"Customer=F1", "Quantity=F2", "Remarks=M1", "Delivery=C1",
                                        "Paid=K0"}));
}

TEST(RecordColumnsTest, EmptyAndSharedNamesAreMadeUsable)
{
    AppData a = test::invoiceDesign();
    a.fields[1].searchLabel = "";
    a.fields[1].field.tag = "  ";
    a.fields[2].searchLabel = "customer";
    a.combos[0].tag = "";
    a.checkboxes[0].tag = "";
    const auto columns = recordColumns(a);
    EXPECT_EQ(names(columns),
              (std::vector<std::string>{"Customer=F1", "Field_2=F2", "customer (F3)=F3", "Total=F4",
                                        "Combo_Field_1=C1", "CheckBox_Field_0=K0", "Remarks=M1"}));
    EXPECT_EQ(columns[0].maxLength, 40);
    EXPECT_EQ(columns[2].fieldFormat, 2);
}

} // namespace
} // namespace qv
