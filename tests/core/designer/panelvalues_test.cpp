#include "designer/panelvalues.h"

#include "designer/canvasoperations.h"
#include "designer/clipboardtext.h"

#include "designer/designerfixture.h"

#include <functional>
#include <sstream>

namespace qv {
namespace {

using test::addField;
using test::addObject;

TEST(PositionBoxTest, TypedValuesAreClampedAndAppliedByKind)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    addObject<Notes>(doc, 10, 50);
    const int sq = addObject<Square>(doc, 10, 90);
    doc.squares[sq].shape = 3; // circle
    const int l = addObject<Line>(doc, 10, 10);
    test::setPage(doc, 800, 600);
    Designer d(doc);
    struct Case {
        ObjectRef ref;
        PositionBox box;
        const char* text;
        float left, top, width, height; // expected rectangle afterwards
    } cases[] = {
        {{ObjectKind::Field, 1}, PositionBox::Width, "5", 10, 10, 10, 19},
        {{ObjectKind::Field, 1}, PositionBox::Left, "900", 793, 10, 10, 19},
        {{ObjectKind::Field, 1}, PositionBox::Height, "90", 793, 10, 10, 19},
        {{ObjectKind::Notes, 1}, PositionBox::Width, "12", 10, 50, 26, 80},
        {{ObjectKind::Notes, 1}, PositionBox::Height, "10", 10, 50, 26, 22},
        {{ObjectKind::Square, sq}, PositionBox::Width, "40", 10, 90, 40, 40},
        {{ObjectKind::Square, sq}, PositionBox::Top, "700", 10, 570, 40, 40},
        {{ObjectKind::Line, l}, PositionBox::Width, "60", 10, 10, 50, 0},
    };
    for (const Case& c : cases) {
        d.selection().select(c.ref);
        applyPositionBox(d, c.box, c.text);
        const PixelRect r = objectRect(doc, c.ref);
        EXPECT_FLOAT_EQ(r.left, c.left) << c.text;
        EXPECT_FLOAT_EQ(r.top, c.top) << c.text;
        EXPECT_FLOAT_EQ(r.width, c.width) << c.text;
        EXPECT_FLOAT_EQ(r.height, c.height) << c.text;
    }
    EXPECT_FALSE(applyPositionBox(d, PositionBox::Left, "-3"));
    EXPECT_FALSE(applyPositionBox(d, PositionBox::Left, "1.5"));
}

// Fields 1-4 (the frame) and 8-11 (the text box) of a Field's or Notes' clipboard record.
struct FrameAndBox {
    std::vector<std::string> frame, box;
};
FrameAndBox frameAndBox(const ProjectDocument& doc, ObjectRef ref)
{
    std::vector<std::string> fields;
    std::stringstream record(clipboardRecord(doc, ref));
    for (std::string f; std::getline(record, f, ',');)
        fields.push_back(f);
    EXPECT_GE(fields.size(), 12u);
    if (fields.size() < 12)
        return {};
    return {{fields.begin() + 1, fields.begin() + 5}, {fields.begin() + 8, fields.begin() + 12}};
}

TEST(PositionBoxTest, NotesFrameTakesTheTypedSizeAndItsBoxLessAMargin)
{
    ProjectDocument doc;
    addObject<Notes>(doc, 10, 50);
    Designer d(doc);
    d.selection().select({ObjectKind::Notes, 1});
    struct Case {
        const char* what;
        std::function<void()> apply;
        FrameAndBox expected;
    } cases[] = {
        {"LeftP", [&] { applyPositionBox(d, PositionBox::Left, "40"); },
         {{"40", "47", "206", "86"}, {"43", "50", "200", "80"}}},
        {"WidthP: the box is 4 narrower", [&] { applyPositionBox(d, PositionBox::Width, "120"); },
         {{"40", "47", "120", "86"}, {"43", "50", "116", "80"}}},
        {"HeightP: the box is 2 lower", [&] { applyPositionBox(d, PositionBox::Height, "90"); },
         {{"40", "47", "120", "90"}, {"43", "50", "116", "88"}}},
        {"a font size fits the frame again", [&] { applyFontSize(d, "12"); },
         {{"40", "47", "122", "94"}, {"43", "50", "116", "88"}}},
    };
    for (const Case& c : cases) {
        c.apply();
        const FrameAndBox got = frameAndBox(doc, {ObjectKind::Notes, 1});
        EXPECT_EQ(got.frame, c.expected.frame) << c.what;
        EXPECT_EQ(got.box, c.expected.box) << c.what;
    }
    // The frame travels through the clipboard.
    pasteClipboardText(d, clipboardRecord(doc, {ObjectKind::Notes, 1}).insert(0, "~Vennrask1.0\r\n"));
    EXPECT_EQ(frameAndBox(doc, {ObjectKind::Notes, 2}).frame[2], "122");
}

TEST(PanelTest, FrameStyleRefitsACombo)
{
    ProjectDocument doc;
    addObject<Combo>(doc, 10, 10);
    Designer d(doc);
    d.selection().select({ObjectKind::Combo, 1});
    applyPositionBox(d, PositionBox::Left, "20");
    applyPositionBox(d, PositionBox::Top, "30");
    applyPositionBox(d, PositionBox::Width, "100");
    // The frame stays at 20, 30 and 100 wide; the combo sits 3 in and is 6 narrower above
    // style 5, else 1 in and 2 narrower.
    struct Case {
        int style;
        float left, top, width;
    } cases[] = {{2, 21, 31, 98}, {7, 23, 33, 94}, {6, 23, 33, 94}, {0, 21, 31, 98}};
    for (const Case& c : cases) {
        setFrameStyle(d, c.style);
        const PixelRect r = objectRect(doc, {ObjectKind::Combo, 1});
        EXPECT_EQ(doc.combos[1].border, c.style);
        EXPECT_FLOAT_EQ(r.left, c.left) << c.style;
        EXPECT_FLOAT_EQ(r.top, c.top) << c.style;
        EXPECT_FLOAT_EQ(r.width, c.width) << c.style;
    }
}

TEST(PanelTest, AreaSelectionAppliesWhereThePropertyExists)
{
    ProjectDocument doc;
    addObject<Title>(doc, 10, 10);
    addObject<Title>(doc, 10, 30);
    const int l = addObject<Line>(doc, 10, 50);
    Designer d(doc);
    selectAll(d);
    ASSERT_EQ(d.selection().multi.size(), 3u);
    const auto lineBefore = clipboardRecord(doc, {ObjectKind::Line, l});
    setFontBold(d, true);
    EXPECT_TRUE(doc.titles[1].fontBold);
    EXPECT_TRUE(doc.titles[2].fontBold);
    EXPECT_EQ(clipboardRecord(doc, {ObjectKind::Line, l}), lineBefore);
    EXPECT_EQ(applyFontSize(d, "250"), "200");
    EXPECT_FLOAT_EQ(doc.titles[1].fontSize, 200);
    applyFontSize(d, "1");
    EXPECT_FLOAT_EQ(doc.titles[1].fontSize, 200);
    applyColour(d, kBorderColourTarget, 0x123456);
    EXPECT_EQ(doc.lines[l].borderColor, 0x123456);
    d.undo();
    EXPECT_EQ(doc.lines[l].borderColor, 0);
}

TEST(PanelTest, FieldValues)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    Designer d(doc);
    d.selection().select({ObjectKind::Field, 1});
    setFieldLabel(d, "Total");
    setFieldLength(d, "12");
    setFrameStyle(d, 3);
    setPrintFlag(d, false);
    setAlignment(d, 2);
    EXPECT_EQ(doc.fields[1].tag, "Total");
    EXPECT_EQ(doc.fields[1].maxLength, 12);
    EXPECT_EQ(doc.fields[1].frameStyle, 3);
    EXPECT_EQ(doc.fields[1].printon, 0);
    EXPECT_EQ(doc.fields[1].alignment, 2);
    EXPECT_EQ(d.undoStack().size(), 5u);
}

} // namespace
} // namespace qv
