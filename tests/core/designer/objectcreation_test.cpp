#include "designer/objectcreation.h"

#include "designer/canvasoperations.h"
#include "document/languagetable.h"

#include "designer/designerfixture.h"

namespace qv {
namespace {

TEST(CreateTest, FirstLabelIsTitleSixWithTheDefaultText)
{
    ProjectDocument doc;
    LanguageTable language;
    language.setText(text::DefaultLabel, "Label");
    Designer d(doc, &language);
    const Outcome out = createObject(d, Tool::Label);
    EXPECT_TRUE(out.done);
    EXPECT_EQ(doc.titles.highWater(), 6);
    EXPECT_EQ(doc.titles[6].caption, "Label");
    EXPECT_FALSE(doc.titles[3].visible);
    EXPECT_EQ(d.selection().kind, 6);
    EXPECT_EQ(d.selection().current(ObjectKind::Title), 6);
    EXPECT_EQ(d.selection().placementTool, 6);
}

TEST(CreateTest, FullKindsGiveTheirMessageAndCreateNothing)
{
    struct Case {
        Tool tool;
        int message;
    } cases[] = {{Tool::Label, 67},    {Tool::TextField, 68},  {Tool::Memo, 69},
                 {Tool::ComboBox, 70}, {Tool::AddPicture, 71}, {Tool::DrawLine, 72},
                 {Tool::CheckBox, 73}, {Tool::DrawShape, 74},  {Tool::CommandButton, 0}};
    for (const Case& c : cases) {
        ProjectDocument doc;
        Designer d(doc);
        visitTable(doc, toolKind(c.tool),
                   [](auto& table) { table.setHighWater(table.highestIndex()); });
        const Outcome out = createObject(d, c.tool);
        EXPECT_FALSE(out.done);
        EXPECT_EQ(out.message, c.message);
        EXPECT_EQ(d.selection().placementTool, kNoPlacement);
        EXPECT_FALSE(d.undoStack().canUndo());
    }
}

TEST(CreateTest, NewObjectsTakeTheStyleOfThePreviousAndTheShownPage)
{
    ProjectDocument doc;
    doc.currentPage = 3;
    Designer d(doc);
    createObject(d, Tool::TextField);
    doc.fields[1].foreColor = 0x112233;
    doc.fields[1].backColor = 0x445566;
    doc.fields[1].frameBorderColor = 0x778899;
    createObject(d, Tool::TextField);
    const Field& f = doc.fields[2];
    EXPECT_EQ(f.foreColor, 0x112233);
    EXPECT_EQ(f.backColor, 0x445566);
    EXPECT_EQ(f.frameBorderColor, 0x778899);
    EXPECT_EQ(f.page, 3);
    EXPECT_EQ(f.printon, 1);
    EXPECT_EQ(f.tag, "Field2");
    EXPECT_EQ(f.tabOrder, 2);
    // Index 0 of the case rule lower-cases what is typed: a new field keeps it as typed.
    EXPECT_EQ(f.caseRule, kCasePlain);

    createObject(d, Tool::CheckBox);
    EXPECT_EQ(doc.checkboxes[0].tag, "CheckField3");
    createObject(d, Tool::CommandButton);
    EXPECT_EQ(doc.buttons[0].caption, "Button");
    EXPECT_EQ(doc.buttons[0].renderColor, kNewButtonColour);
}

TEST(CreateTest, OnlyOneEmailField)
{
    ProjectDocument doc;
    Designer d(doc);
    EXPECT_TRUE(createObject(d, Tool::EmailField).done);
    const Outcome second = createObject(d, Tool::EmailField);
    EXPECT_FALSE(second.done);
    EXPECT_EQ(second.text, "The mail field box has already been placed");
}

TEST(CreateTest, PlacementFollowsThePointerAndSnaps)
{
    ProjectDocument doc;
    Designer d(doc);
    createObject(d, Tool::TextField);
    followPointer(d, 40, 50);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Field, 1}).left, 45); // 2 + frame 3
    d.canvas().snap = true;
    placeNewObject(d, 14, 26);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Field, 1}).left, 13);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Field, 1}).top, 33);
    EXPECT_EQ(d.selection().placementTool, kNoPlacement);
}

TEST(CreateTest, DrawnShapesAndLines)
{
    ProjectDocument doc;
    Designer d(doc);
    createObject(d, Tool::DrawShape);
    finishSquare(d, 0, 1, 0);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Square, 0}).width, 10);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Square, 0}).height, 10);
    createObject(d, Tool::DrawLine);
    startDrawing(d, 100, 100);
    finishLine(d, 0, 20, 40);
    EXPECT_FLOAT_EQ(twipsToPixels(doc.lines[0].x1), 20);
    EXPECT_FLOAT_EQ(twipsToPixels(doc.lines[0].y1), 40);
    EXPECT_FLOAT_EQ(twipsToPixels(doc.lines[0].x2), 100);
}

TEST(CreateTest, SpecialLabelsAndTheDocumentBox)
{
    ProjectDocument doc;
    Designer d(doc);
    placeDateLabel(d, true, 2, "06/12/2026");
    EXPECT_EQ(doc.titles[kDateStampLabel].caption, "06/12/2026");
    EXPECT_EQ(doc.settings.dateStampFormat, 2);
    placeRecordId(d);
    EXPECT_EQ(doc.titles[kRecordIdLabel].caption, "0000000001");
    EXPECT_TRUE(doc.titles[kRecordIdLabel].visible);
    placeDocumentBox(d);
    EXPECT_EQ(doc.notes[1].tag, "MemoField1");
    EXPECT_EQ(doc.notes[1].maxLength, 10000);
    EXPECT_EQ(d.selection().placementTool, 8);
}

} // namespace
} // namespace qv
