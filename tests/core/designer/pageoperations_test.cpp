#include "designer/pageoperations.h"
#include "designer/panelstate.h"

#include "designer/canvasoperations.h"
#include "designer/createtable.h"

#include "designer/designerfixture.h"

namespace qv {
namespace {

using test::addField;
using test::addObject;

TEST(PageTest, AllPagesToggleAndMoveToPage)
{
    ProjectDocument doc;
    const int s = addObject<Square>(doc, 10, 10, 0);
    const int b = addObject<Button>(doc, 30, 30, 0);
    Designer d(doc);
    d.selection().select({ObjectKind::Square, s});
    toggleAllPages(d);
    for (int p = 0; p < kPageCount; ++p) {
        const auto shown = objectsOnPage(doc, p);
        EXPECT_NE(std::find(shown.begin(), shown.end(), ObjectRef{ObjectKind::Square, s}),
                  shown.end());
    }
    showPage(d, 3);
    toggleAllPages(d);
    EXPECT_EQ(doc.squares[s].page, 3);

    showPage(d, 0);
    selectAll(d);
    EXPECT_EQ(d.selection().multi.size(), 1u); // the square is on page 3 now
    d.selection().multi.push_back({ObjectKind::Square, s});
    moveToPage(d, 4);
    EXPECT_EQ(doc.buttons[b].page, 4);
    EXPECT_EQ(doc.squares[s].page, 4);
    EXPECT_EQ(doc.currentPage, 4);
    d.undo();
    EXPECT_EQ(doc.buttons[b].page, 0);
    EXPECT_EQ(doc.currentPage, 0);
}

TEST(PageTest, InputFlagsAndOrderNumbers)
{
    ProjectDocument doc;
    addField(doc, 0, 0);
    addObject<Combo>(doc, 0, 50);
    addObject<Title>(doc, 0, 90);
    const int c = addObject<Checkbox>(doc, 0, 120);
    Designer d(doc);
    selectAll(d);
    setInputFlag(d, InputFlag::NoSearch, true);
    setInputFlag(d, InputFlag::NoChart, true);
    EXPECT_EQ(doc.fields[1].noSearch, 1);
    EXPECT_EQ(doc.combos[1].noSearch, 1);
    EXPECT_EQ(doc.combos[1].noChart, 1);
    EXPECT_EQ(doc.checkboxes[c].noChart, 1); // a check box can be charted, not searched
    EXPECT_EQ(panelState(doc, {ObjectKind::Checkbox, c})->noChart, true);
    EXPECT_FALSE(panelState(doc, {ObjectKind::Checkbox, c})->noSearch.has_value());
    d.selection().select({ObjectKind::Combo, 1});
    EXPECT_TRUE(setOrderNumber(d, "7"));
    EXPECT_EQ(doc.combos[1].tabOrder, 7);
    EXPECT_FALSE(setOrderNumber(d, "7x"));
    d.selection().select({ObjectKind::Title, 1});
    EXPECT_FALSE(setOrderNumber(d, "3"));
    EXPECT_TRUE(toggleLock(d));
    moveObject(d, {ObjectKind::Title, 1}, 5, 5);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Title, 1}).left, 0);
}

TEST(CreateTableTest, WidensTheBandAndFillsItWithCells)
{
    ProjectDocument doc;
    doc.fields.templateElement().height = pixelsToTwips(19);
    Designer d(doc);
    SelectionState& s = d.selection();
    s.bandVisible = true;
    s.bandLeft = 100;
    s.bandTop = 50;
    s.bandWidth = 20;
    s.bandHeight = 50;
    ASSERT_TRUE(createTable(d, 3).done);
    EXPECT_FLOAT_EQ(s.bandWidth, 36);
    ASSERT_EQ(doc.fields.highWater(), 6); // 3 columns x 2 rows of 25 pixels
    const PixelRect second = objectRect(doc, {ObjectKind::Field, 2});
    EXPECT_FLOAT_EQ(second.left, 103);
    EXPECT_FLOAT_EQ(second.top, 78);
    EXPECT_FLOAT_EQ(second.width, 6);
    EXPECT_EQ(doc.fields[2].tag, "Cell_2");
    EXPECT_EQ(doc.fields[6].tabOrder, 6);
    d.undo();
    EXPECT_EQ(doc.fields.highWater(), 0);
    EXPECT_FLOAT_EQ(s.bandWidth, 20);
}

TEST(CreateTableTest, StopsAtTheFieldLimit)
{
    ProjectDocument doc;
    doc.fields.setHighWater(1998);
    Designer d(doc);
    SelectionState& s = d.selection();
    s.bandVisible = true;
    s.bandWidth = 200;
    s.bandHeight = 200;
    const Outcome out = createTable(d, 4);
    EXPECT_EQ(out.message, 68);
    EXPECT_EQ(doc.fields.highWater(), 2000);
}

} // namespace
} // namespace qv
