#include "designer/panelstate.h"

#include "designer/canvasoperations.h"
#include "designer/lineproperties.h"
#include "designer/taborder.h"

#include "designer/designerfixture.h"

namespace qv {
namespace {

using test::addField;
using test::addObject;

TEST(PanelStateTest, LoadsWhatTheKindHas)
{
    ProjectDocument doc;
    addField(doc, 0, 0);
    doc.fields[1].page = static_cast<int16_t>(kAllPages);
    const int t = addObject<Title>(doc, 0, 0);
    const int k = addObject<Checkbox>(doc, 0, 0);
    const PanelState field = *panelState(doc, {ObjectKind::Field, 1});
    EXPECT_TRUE(field.allPages);
    EXPECT_EQ(*field.printOn, true);
    EXPECT_EQ(*field.fieldLabel, "Field1");
    EXPECT_FALSE(field.underline);
    const PanelState title = *panelState(doc, {ObjectKind::Title, t});
    EXPECT_EQ(title.numberLabel, "L1");
    EXPECT_FALSE(title.orderNumber);
    EXPECT_EQ(panelState(doc, {ObjectKind::Checkbox, k})->numberLabel, "K0");
    EXPECT_FALSE(panelState(doc, {ObjectKind::Line, 4}));
}

TEST(LinePropertiesTest, EntriesAndEdits)
{
    ProjectDocument doc;
    addObject<Line>(doc, 0, 0);
    addObject<Line>(doc, 0, 0);
    Designer d(doc);
    EXPECT_EQ(lineEntries(doc), (std::vector<std::string>{"Line 0", "Line 1"}));
    EXPECT_EQ(lineIndexOfEntry("Line 1"), 1);
    EXPECT_FALSE(lineIndexOfEntry("Square 1"));
    EXPECT_TRUE(setLineCoordinate(d, 1, 2, 40));
    EXPECT_FLOAT_EQ(twipsToPixels(doc.lines[1].x2), 40);
    EXPECT_TRUE(setLineColour(d, 1, 0xFF));
    EXPECT_FALSE(setLinePrint(d, 7, true));
    EXPECT_EQ(clockCaption(0, 5), "12:05am");
    EXPECT_EQ(clockCaption(15, 30), "3:30pm");
}

TEST(TabOrderTest, AssignTabIsAnUndoableCommand)
{
    ProjectDocument doc;
    addField(doc, 0, 0, {}, 9);
    addField(doc, 0, 0, {}, 4);
    Designer d(doc);
    assignTabOrder(d);
    EXPECT_EQ(doc.fields[1].tabOrder, 2);
    d.undo();
    EXPECT_EQ(doc.fields[1].tabOrder, 9);
}

} // namespace
} // namespace qv
