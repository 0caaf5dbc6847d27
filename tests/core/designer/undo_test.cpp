#include "designer/canvasoperations.h"
#include "designer/clipboardtext.h"
#include "designer/documentedit.h"
#include "designer/objectcreation.h"
#include "designer/objectdeletion.h"

#include "designer/designerfixture.h"

#include <functional>

namespace qv {
namespace {

using test::addField;
using test::encoded;

TEST(UndoTest, EveryOperationUndoesToTheEarlierDocumentAndRedoesToTheLater)
{
    ProjectDocument doc;
    addField(doc, 10, 10, "F2+1");
    addField(doc, 50, 10);
    addField(doc, 90, 10, "F1*F2");
    Designer d(doc);
    struct Step {
        const char* name;
        std::function<void()> run;
    };
    const std::vector<Step> steps = {
        {"create", [&] { createObject(d, Tool::Label); }},
        {"move",
         [&] {
             moveObject(d, {ObjectKind::Field, 2}, 5, 7);
         }},
        {"resize",
         [&] {
             resizeObject(d, {ObjectKind::Field, 2}, ResizeZone::Right, 80, 9);
         }},
        {"nudge",
         [&] {
             d.selection().select({ObjectKind::Field, 1});
             nudgeSelection(d, NudgeKey::Down);
         }},
        {"paste",
         [&] {
             pasteClipboardText(d, clipboardText(doc, {{ObjectKind::Field, 3}}));
         }},
        {"delete",
         [&] {
             deleteObjects(d, {{ObjectKind::Field, 2}});
         }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        const auto before = encoded(doc);
        const size_t depth = d.undoStack().size();
        step.run();
        d.undoStack().closeMerge();
        ASSERT_EQ(d.undoStack().size(), depth + 1);
        const auto after = encoded(doc);
        EXPECT_NE(before, after);
        ASSERT_TRUE(d.undo());
        EXPECT_EQ(encoded(doc), before);
        ASSERT_TRUE(d.redo());
        EXPECT_EQ(encoded(doc), after);
    }
    // Back to the very start, step by step.
    while (d.undo()) {
    }
    ProjectDocument fresh;
    addField(fresh, 10, 10, "F2+1");
    addField(fresh, 50, 10);
    addField(fresh, 90, 10, "F1*F2");
    fresh.modified = doc.modified;
    EXPECT_EQ(encoded(doc), encoded(fresh));
}

TEST(UndoTest, UndoneDeleteGivesBackPropertiesTheFileDoesNotKeep)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    addField(doc, 10, 40, "F1");
    doc.fields[1].frameStyle = 4;
    const int b = doc.buttons.append();
    doc.buttons[b].actionCode = 7;
    doc.buttons[b].buttonAction = "F1";
    Designer d(doc);
    deleteObjects(d, {{ObjectKind::Field, 1}, {ObjectKind::Button, b}});
    EXPECT_EQ(doc.fields[1].fieldFormula, "#REF");
    d.undo();
    EXPECT_EQ(doc.fields[1].frameStyle, 4);
    EXPECT_EQ(doc.fields[2].fieldFormula, "F1");
    EXPECT_EQ(doc.buttons[b].actionCode, 7);
    EXPECT_EQ(doc.buttons[b].buttonAction, "F1");
}

TEST(UndoTest, ATableSnapshotLeavesOutWhatTheStepAppended)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    SelectionState selection;
    DocumentEdit edit(doc, selection);
    doc.fields.append();
    edit.touch<Field>(1).tag = "changed";
    edit.touchTable(ObjectKind::Field);
    doc.fields.setHighWater(0);
    edit.finish();
    edit.undo(doc, selection);
    ASSERT_EQ(doc.fields.highWater(), 1);
    EXPECT_EQ(doc.fields[1].tag, "Field1");
}

TEST(UndoTest, ADragIsOneStepAndAHundredStepsAreKept)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    Designer d(doc);
    for (int i = 0; i < 20; ++i)
        moveObject(d, {ObjectKind::Field, 1}, 1, 0);
    releaseObject(d, {ObjectKind::Field, 1});
    EXPECT_EQ(d.undoStack().size(), 1u);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Field, 1}).left, 30);
    for (int i = 0; i < 150; ++i) {
        d.selection().select({ObjectKind::Field, 1});
        createObject(d, Tool::CheckBox);
    }
    int undone = 0;
    while (d.undo())
        ++undone;
    EXPECT_GE(undone, 100);
}

// The modified flag follows the file, not the flag of the day a step was made: a change
// undone after a save leaves a document that differs from its file.
TEST(UndoTest, AfterASaveUndoAndRedoTellWhetherTheDocumentMatchesItsFile)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    doc.modified = 0; // as opened
    Designer d(doc);
    d.undoStack() = UndoStack(3);
    const auto step = [&] {
        d.selection().select({ObjectKind::Field, 1});
        createObject(d, Tool::CheckBox);
    };
    step();
    ASSERT_EQ(doc.modified, 1);
    doc.modified = 0; // written to its file
    d.undoStack().markSaved();
    ASSERT_TRUE(d.undo());
    EXPECT_EQ(doc.modified, 1);
    ASSERT_TRUE(d.redo());
    EXPECT_EQ(doc.modified, 0);
    step();
    ASSERT_TRUE(d.undo());
    EXPECT_EQ(doc.modified, 0);

    // A new step after undoing past the save makes the saved state unreachable.
    ASSERT_TRUE(d.undo());
    step();
    ASSERT_TRUE(d.undo());
    EXPECT_EQ(doc.modified, 1);
    ASSERT_TRUE(d.redo());
    EXPECT_EQ(doc.modified, 1);

    // So does dropping the steps that led to it when the history is full.
    doc.modified = 0;
    d.undoStack().markSaved();
    for (int i = 0; i < 4; ++i)
        step();
    while (d.undo()) {
    }
    EXPECT_EQ(doc.modified, 1);
}

TEST(UndoTest, UndoingAPasteOnAFullerDocumentRestoresTheSelection)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    Designer d(doc);
    selectObject(d, {ObjectKind::Field, 1});
    const std::string text = copySelection(d);
    pasteClipboardText(d, text);
    EXPECT_EQ(d.selection().kind, kAreaSelectionCode);
    d.undo();
    EXPECT_EQ(d.selection().kind, 1);
    EXPECT_EQ(doc.fields.highWater(), 1);
}

TEST(UndoTest, AGestureIsOneStepThatRestoresTheSelectionItStartedWith)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    Designer d(doc);
    selectObject(d, {ObjectKind::Field, 1});
    const auto before = encoded(doc);
    // Create a shape, draw it by dragging and release: one step.
    d.undoStack().beginGroup("Draw Shapes");
    createObject(d, Tool::DrawShape);
    startDrawing(d, 40, 40);
    for (int x = 41; x < 60; ++x)
        drawTo(d, 40, 40, static_cast<float>(x), 30);
    finishSquare(d, d.selection().current(ObjectKind::Square), 19, 10);
    d.undoStack().endGroup();
    EXPECT_EQ(d.undoStack().size(), 1u);
    EXPECT_EQ(d.undoStack().undoName(), "Draw Shapes");
    // Dragging up and to the left spans the square from the pointer to where it began.
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Square, 0}).top, 30);
    const auto after = encoded(doc);
    ASSERT_TRUE(d.undo());
    EXPECT_EQ(encoded(doc), before);
    EXPECT_EQ(d.selection().kind, 1);
    EXPECT_EQ(d.selection().placementTool, kNoPlacement);
    ASSERT_TRUE(d.redo());
    EXPECT_EQ(encoded(doc), after);
    EXPECT_EQ(d.selection().kind, static_cast<int>(ObjectKind::Square));
    // A group that made no edit leaves no step.
    d.undoStack().beginGroup("Nothing");
    d.undoStack().endGroup();
    EXPECT_EQ(d.undoStack().size(), 1u);
}

TEST(UndoTest, TheWindowsLearnWhichObjectsAStepChanged)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    addField(doc, 40, 10);
    Designer d(doc);
    d.trackChanges(true);
    moveObject(d, {ObjectKind::Field, 2}, 3, 0);
    ChangeSummary moved = d.takeChanges();
    EXPECT_EQ(moved.objects, (std::vector<ObjectRef>{{ObjectKind::Field, 2}}));
    EXPECT_TRUE(moved.tables.empty());
    EXPECT_TRUE(d.takeChanges().empty());

    createObject(d, Tool::Label);
    ChangeSummary created = d.takeChanges();
    // The new label, after the five reserved ones.
    EXPECT_NE(
        std::find(created.objects.begin(), created.objects.end(), ObjectRef{ObjectKind::Title, 6}),
        created.objects.end());
    d.undo();
    ChangeSummary undone = d.takeChanges();
    EXPECT_NE(
        std::find(undone.objects.begin(), undone.objects.end(), ObjectRef{ObjectKind::Title, 6}),
        undone.objects.end());

    deleteObjects(d, {{ObjectKind::Field, 1}});
    ChangeSummary deleted = d.takeChanges();
    EXPECT_NE(std::find(deleted.tables.begin(), deleted.tables.end(), ObjectKind::Field),
              deleted.tables.end());
}

} // namespace
} // namespace qv
