#include "designer/objectdeletion.h"

#include "designer/formulareferences.h"
#include "designer/taborder.h"

#include "designer/designerfixture.h"

namespace qv {
namespace {

using test::addField;
using test::addObject;

TEST(ReferenceTest, RenumbersWholeReferencesOnly)
{
    ReferenceMap map;
    map.newNumber = {-2, 1, -1, 2}; // 1 stays, 2 is deleted, 3 becomes 2
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"F3+F1", "F2+F1"},
                 {"f3=F2*2", "f2=#REF*2"},
                 {"IF F3>5 THEN F1=1", "IF F2>5 THEN F1=1"},
                 {"SUM(F1:F3)", "SUM(F1:F2)"},
                 {"F30+F13", "F30+F13"},
                 {"REF3 NUMF3", "REF3 NUMF3"}};
    for (const Case& c : cases)
        EXPECT_EQ(renumberReferences(c.in, 'F', map), c.out) << c.in;
    EXPECT_EQ(renumberReferences("NUM2(M3)", 'M', map), "NUM2(M2)");
}

TEST(DeleteTest, SurvivorsAreRenumberedAndFormulasFollowThem)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    addField(doc, 10, 40, "F1*2");
    addField(doc, 10, 70, "F2+F4");
    addField(doc, 10, 100, "F3");
    const int b = addObject<Button>(doc, 0, 0);
    doc.buttons[b].buttonAction = "mailto:F4:?Subject=F2:";
    doc.settings.emailFieldBoxIndex = 4;
    doc.reportSlots[0].report.labels.push_back(ReportLabel{});
    doc.reportSlots[0].report.labels[0].referenceCode = 2;
    Designer d(doc);
    d.selection().select({ObjectKind::Field, 2});
    ASSERT_TRUE(deleteSelection(d).done);
    ASSERT_EQ(doc.fields.highWater(), 3);
    EXPECT_EQ(doc.fields[2].fieldFormula, "#REF+F3");
    EXPECT_EQ(doc.fields[3].fieldFormula, "F2");
    EXPECT_EQ(doc.fields[3].tag, "Field4"); // values move with their objects
    EXPECT_EQ(doc.buttons[b].buttonAction, "mailto:F3:?Subject=#REF:");
    EXPECT_EQ(doc.settings.emailFieldBoxIndex, 3);
    EXPECT_EQ(doc.reportSlots[0].report.labels[0].referenceCode, kPlainLabelRef);
    EXPECT_EQ(d.selection().kind, 0);
}

TEST(DeleteTest, AreaDeleteOfSeveralKindsAndKindsFromZero)
{
    ProjectDocument doc;
    for (int i = 0; i < 3; ++i)
        addObject<Checkbox>(doc, 10.0f * i, 0);
    addField(doc, 0, 0, "K2+K0");
    Designer d(doc);
    d.selection().multi = {{ObjectKind::Checkbox, 0}, {ObjectKind::Checkbox, 1}};
    d.selection().kind = kAreaSelectionCode;
    deleteSelection(d);
    EXPECT_EQ(doc.checkboxes.highWater(), 0);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Checkbox, 0}).left, 20);
    EXPECT_EQ(doc.fields[1].fieldFormula, "K0+#REF");
    deleteObjects(d, {{ObjectKind::Checkbox, 0}});
    EXPECT_EQ(doc.checkboxes.highWater(), -1);
    EXPECT_EQ(doc.checkboxes.templateElement().page, kParkedPage);
}

TEST(TabOrderTest, NumbersCloseUpInOrderIndexAndKind)
{
    ProjectDocument doc;
    addField(doc, 0, 0, {}, 5);
    addObject<Notes>(doc, 0, 0);
    doc.notes[1].tabOrder = 5;
    addField(doc, 0, 0, {}, 9);
    addField(doc, 0, 0, {}, 0);
    assignTab(doc);
    EXPECT_EQ(doc.fields[1].tabOrder, 1);
    EXPECT_EQ(doc.notes[1].tabOrder, 2);
    EXPECT_EQ(doc.fields[2].tabOrder, 3);
    EXPECT_EQ(doc.fields[3].tabOrder, 4);
}

TEST(TabOrderTest, FastOrderingEqualsTheLiteralLoop)
{
    for (unsigned seed = 1; seed <= 30; ++seed) {
        ProjectDocument doc;
        unsigned state = seed;
        auto next = [&](int bound) {
            state = state * 1103515245u + 12345u;
            return static_cast<int>((state >> 16) % static_cast<unsigned>(bound));
        };
        const int count = 1 + next(40);
        for (int i = 0; i < count; ++i) {
            const int order = next(4) == 0 ? next(400) - 50 : next(count + 110);
            switch (next(4)) {
            case 0:
                doc.fields[addObject<Field>(doc, 0, 0)].tabOrder = static_cast<int16_t>(order);
                break;
            case 1:
                doc.notes[addObject<Notes>(doc, 0, 0)].tabOrder = static_cast<int16_t>(order);
                break;
            case 2: doc.combos[addObject<Combo>(doc, 0, 0)].tabOrder = order; break;
            default:
                doc.checkboxes[addObject<Checkbox>(doc, 0, 0)].tabOrder =
                    static_cast<int16_t>(order);
            }
        }
        ProjectDocument literal = doc;
        assignTab(doc);
        assignTabLiteral(literal);
        EXPECT_EQ(test::encoded(doc), test::encoded(literal)) << "seed " << seed;
    }
}

} // namespace
} // namespace qv
