#include "recorddesign.h"
#include "records/recordform.h"
#include "records/recordschema.h"

#include "formula/formulaengine.h"
#include "formula/prepareformula.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv {
namespace {

constexpr InputRef kCustomer{InputKind::Field, 1};
constexpr InputRef kQuantity{InputKind::Field, 2};
constexpr InputRef kPrice{InputKind::Field, 3};
constexpr InputRef kTotal{InputKind::Field, 4};
constexpr InputRef kOrdered{InputKind::Field, 5};
constexpr InputRef kRemarks{InputKind::Notes, 1};
constexpr InputRef kDelivery{InputKind::Combo, 1};
constexpr InputRef kPaid{InputKind::Checkbox, 0};

// 6 May 2026, 14:30.
constexpr double kNow = 46148.6041666667;

TEST(RecordForm, ANewRecordStartsFromTheDesignsDefaults)
{
    AppData design = test::orderDesign();
    design.fieldDateOffsets[4] = 30;
    RecordForm form(design, FormulaLocale{});
    form.startNew(kNow);
    EXPECT_EQ(form.value(kQuantity), "1");
    EXPECT_EQ(form.value(kCustomer), "");
    // Today plus the field's day offset, in its short-date format.
    EXPECT_EQ(form.value(kOrdered), "6/5/2026");
    EXPECT_EQ(form.value(kPaid), "0");
    EXPECT_FALSE(form.locked(kOrdered));

    design.fields[4].field.noDefaultDate = 1;
    RecordForm noDate(design, FormulaLocale{});
    noDate.startNew(kNow);
    EXPECT_EQ(noDate.value(kOrdered), "");
}

TEST(RecordForm, FormulasFollowTypedValuesAndReportWhatTheyChanged)
{
    const AppData design = test::orderDesign();
    RecordForm form(design, FormulaLocale{});
    std::vector<InputRef> changed;
    form.startNew(kNow);
    form.changed = [&](InputRef ref) { changed.push_back(ref); };
    form.setValue(kQuantity, "3");
    form.setValue(kPrice, "2.5");
    form.recalculate();
    EXPECT_EQ(form.value(kTotal), "7.50");
    EXPECT_EQ(changed, std::vector<InputRef>{kTotal});
}

TEST(RecordForm, StoredValuesGoToTheirColumnsAndComeBack)
{
    const AppData design = test::orderDesign();
    const RecordSchema schema(design);
    RecordForm form(design, FormulaLocale{});
    form.startNew(kNow);
    form.setValue(kCustomer, "Acme \"Ltd\"");
    form.setValue(kQuantity, "2");
    form.setValue(kPrice, "4");
    form.setValue(kRemarks, "first line\nsecond line");
    form.setValue(kDelivery, "Courier");
    form.setValue(kPaid, "1");
    form.recalculate();
    const std::vector<std::string> values = form.columnValues(schema);
    EXPECT_EQ(values, (std::vector<std::string>{"Acme \"Ltd\"", "2", "4", "5/6/2026", "Courier",
                                                "first line\nsecond line", "1"}));

    RecordForm loaded(design, FormulaLocale{});
    std::vector<std::optional<std::string>> stored(values.begin(), values.end());
    loaded.load(12, schema, stored);
    EXPECT_EQ(loaded.recordNumber(), 12);
    EXPECT_EQ(loaded.columnValues(schema), values);
    // The dummy total is not stored; its formula gives it again.
    EXPECT_EQ(loaded.value(kTotal), "8.00");
    EXPECT_EQ(loaded.asText(schema), "Customer: Acme \"Ltd\"\nQuantity: 2\nPrice: 4\n"
                                     "Ordered: 5/6/2026\nDelivery: Courier\n"
                                     "Remarks: first line\n    second line\nPaid: 1\n");
}

TEST(RecordForm, ObjectsLockedAfterEntryLockOnlyWhenTheyHeldAValue)
{
    const AppData design = test::orderDesign();
    const RecordSchema schema(design);
    struct Case {
        std::optional<std::string> ordered;
        std::optional<std::string> paid;
        bool orderedLocked;
        bool paidLocked;
    };
    const Case cases[] = {
        {"5/6/2026", "1", true, true},
        {"", "0", false, false},
        {std::nullopt, std::nullopt, false, false}, // columns the store does not have yet
    };
    for (const Case& c : cases) {
        RecordForm form(design, FormulaLocale{});
        std::vector<std::optional<std::string>> stored(static_cast<size_t>(schema.size()));
        stored[3] = c.ordered;
        stored[6] = c.paid;
        form.load(1, schema, stored);
        EXPECT_EQ(form.locked(kOrdered), c.orderedLocked);
        EXPECT_EQ(form.locked(kPaid), c.paidLocked);
        EXPECT_FALSE(form.locked(kCustomer));
    }
}

TEST(RecordForm, ClearingKeepsWhatIsLocked)
{
    const AppData design = test::orderDesign();
    const RecordSchema schema(design);
    RecordForm form(design, FormulaLocale{});
    form.load(3, schema, {"Acme", "2", "4", "5/6/2026", "Post", "note", "1"});
    form.clearUnlocked();
    EXPECT_EQ(form.columnValues(schema),
              (std::vector<std::string>{"", "", "", "5/6/2026", "", "", "1"}));
    EXPECT_EQ(form.recordId(), 3);
}

TEST(RecordForm, AScriptSetsValuesThenTheFormulasFollow)
{
    const AppData design = test::orderDesign();
    RecordForm form(design, FormulaLocale{});
    form.startNew(kNow);
    std::vector<InputRef> changed;
    form.changed = [&](InputRef ref) { changed.push_back(ref); };
    form.runScript(PrepareFormula("F2=4\r\nF3=F2*2", ObjectCounts{5, 1, 1, 1}));
    EXPECT_EQ(form.value(kQuantity), "4");
    EXPECT_EQ(form.value(kPrice), "8");
    // The total's formula ran after the script.
    EXPECT_EQ(form.value(kTotal), "32.00");
    EXPECT_NE(std::find(changed.begin(), changed.end(), kTotal), changed.end());
}

TEST(RecordForm, ResultsCutToTheLimitAreNamed)
{
    AppData design = test::orderDesign();
    design.fieldFormulas[0] = "F1F1";
    RecordForm form(design, FormulaLocale{});
    form.startNew(kNow);
    std::vector<std::string> cut;
    form.resultsCut = [&](const std::vector<std::string>& names) { cut = names; };
    form.setValue(kCustomer, std::string(20000, 'x'));
    form.recalculate();
    EXPECT_EQ(cut, std::vector<std::string>{"F1"});
    EXPECT_EQ(form.value(kCustomer).size(), kMaxFormulaResultLength);
}

} // namespace
} // namespace qv
