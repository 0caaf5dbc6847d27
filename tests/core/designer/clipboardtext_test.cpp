#include "designer/clipboardtext.h"

#include "designer/canvasoperations.h"
#include "designer/pageoperations.h"
#include "designer/panelvalues.h"

#include "designer/designerfixture.h"
#include "document/scratchfolder.h"

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace qv {
namespace {

using test::addField;
using test::addObject;
namespace fs = std::filesystem;

// One object of every kind with texts that hold commas and line breaks.
ProjectDocument everyKind()
{
    ProjectDocument doc;
    const std::string tricky = "a, b\r\nc";
    int i = addObject<Title>(doc, 10, 20);
    doc.titles[i].caption = tricky;
    doc.titles[i].tag = "link,x";
    doc.titles[i].fontUnderline = true;
    doc.titles[i].foreColor = 0xFF;
    i = addField(doc, 30, 40, "F1+F2,\r\nx");
    doc.fields[i].toolTipText = tricky;
    doc.fields[i].dummyField = true;
    doc.fields[i].fieldFormat = 7;
    doc.fields[i].frameStyle = 4;
    i = addObject<Notes>(doc, 50, 60);
    doc.notes[i].notesState = 1;
    doc.notes[i].toolTipText = tricky;
    i = addObject<Combo>(doc, 70, 80);
    doc.combos[i].listItems = {"one, two", "three\r\nfour", ""};
    doc.combos[i].textCase = 2;
    i = addObject<Picture>(doc, 90, 100);
    doc.pictures[i].sourcePath = "C:\\images\\a,b.png";
    doc.pictures[i].stretch = false;
    i = addObject<Checkbox>(doc, 110, 120);
    doc.checkboxes[i].tag = tricky;
    doc.checkboxes[i].optionBx = 1;
    i = addObject<Square>(doc, 130, 140);
    doc.squares[i].shape = 3;
    i = addObject<Line>(doc, 150, 160);
    doc.lines[i].x2 = pixelsToTwips(300);
    doc.lines[i].lineState = 1;
    i = addObject<Button>(doc, 170, 180);
    doc.buttons[i].caption = tricky;
    doc.buttons[i].buttonAction = "mailto:F1:?Subject=F2:";
    doc.buttons[i].actionCode = 3;
    i = addObject<Script>(doc, 190, 200);
    doc.scripts[i].tag = "<div>\r\n a, b</div>";
    return doc;
}

std::vector<ObjectRef> allObjects(const ProjectDocument& doc)
{
    std::vector<ObjectRef> refs;
    for (ObjectKind kind : kAllKinds) {
        visitTable(doc, kind, [&](const auto& table) {
            for (int i : table.indices())
                refs.push_back({kind, i});
        });
    }
    return refs;
}

TEST(ClipboardTest, EscapingIsReversible)
{
    EXPECT_EQ(escapeClipboardText("a,b\r\nc"), "a/~/b&_&c");
    EXPECT_EQ(unescapeClipboardText("a/~/b&_&c"), "a,b\r\nc");
}

TEST(ClipboardTest, RecordsHaveTheirFieldOrder)
{
    ProjectDocument doc = everyKind();
    EXPECT_EQ(clipboardRecord(doc, {ObjectKind::Line, 0}), "Line,150,160,300,160,0,1\r\n");
    EXPECT_EQ(clipboardRecord(doc, {ObjectKind::Title, 1}),
              "Title,a/~/ b&_&c,0,10,20,0,Arial,False,False,True,9,link/~/x,,255\r\n");
    const std::string combo = clipboardRecord(doc, {ObjectKind::Combo, 1});
    EXPECT_NE(combo.find(",3,one/~/ two,three&_&four,,,\r\n"), std::string::npos) << combo;
}

TEST(ClipboardTest, ButtonAndCheckboxFieldsHoldTheirRoles)
{
    ProjectDocument doc;
    const int b = addObject<Button>(doc, 170, 180);
    doc.buttons[b].caption = "Save";
    doc.buttons[b].fontName = "Tahoma";
    doc.buttons[b].fontSize = 12;
    const int c = addObject<Checkbox>(doc, 110, 120);
    Designer d(doc);
    d.selection().select({ObjectKind::Checkbox, c});
    setPrintFlag(d, false);
    setInputFlag(d, InputFlag::LockEnabled, true);
    setInputFlag(d, InputFlag::NoChart, true);
    // Button: 5 the font name, 6-8 back colour, render colour, font size, 9 the caption.
    EXPECT_EQ(clipboardRecord(doc, {ObjectKind::Button, b}),
              "Button,170,180,80,25,Tahoma,12640511,12632256,12,Save,,,,0\r\n");
    // Checkbox: 5-7 print, lock after entry, chartable.
    EXPECT_EQ(clipboardRecord(doc, {ObjectKind::Checkbox, c}),
              "Checkbox,110,120,,,0,1,1,0,0,0\r\n");
}

TEST(ClipboardTest, EveryKindSurvivesCopyAndPaste)
{
    ProjectDocument source = everyKind();
    const std::string text = clipboardText(source, allObjects(source));
    EXPECT_EQ(text.rfind("~Vennrask1.0\r\n", 0), 0u);

    ProjectDocument target;
    Designer d(target);
    d.canvas().copyScrollX = 0;
    d.canvas().copyScrollY = 0;
    d.canvas().scrollX = -10; // a paste into the same view at 0, 0 lands where it was
    d.canvas().scrollY = -10;
    ASSERT_TRUE(pasteClipboardText(d, text).done);
    // Re-copying the pasted objects gives the same text.
    EXPECT_EQ(clipboardText(target, d.selection().multi), text);
    EXPECT_EQ(target.titles.highWater(), 6); // Titles 1-5 stay reserved
    EXPECT_EQ(target.combos[1].listItems, source.combos[1].listItems);
    EXPECT_EQ(target.titles[6].caption, source.titles[1].caption);
    EXPECT_EQ(target.buttons[0].actionCode, 3);
    EXPECT_EQ(d.selection().multi.size(), 10u);
    EXPECT_EQ(d.selection().kind, kAreaSelectionCode);
}

TEST(ClipboardTest, PasteLandsTenPixelsOffOrFollowsTheScroll)
{
    ProjectDocument doc;
    addField(doc, 30, 40);
    Designer d(doc);
    d.selection().select({ObjectKind::Field, 1});
    d.canvas().scrollY = 200;
    const std::string text = copySelection(d);
    pasteClipboardText(d, text);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Field, 2}).left, 40);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Field, 2}).top, 50);
    d.canvas().scrollY = 500;
    pasteClipboardText(d, text);
    EXPECT_FLOAT_EQ(objectRect(doc, {ObjectKind::Field, 3}).top, 350);
}

TEST(ClipboardTest, PastedObjectsGoToTheShownPageAndFormulasAreRenumbered)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    addField(doc, 10, 40, "F1*2");
    addField(doc, 10, 70, "F1+F2+F12");
    Designer d(doc);
    doc.currentPage = 2;
    pasteClipboardText(
        d, clipboardText(doc,
                         {{ObjectKind::Field, 1}, {ObjectKind::Field, 2}, {ObjectKind::Field, 3}}));
    ASSERT_EQ(doc.fields.highWater(), 6);
    EXPECT_EQ(doc.fields[5].fieldFormula, "F4*2");
    EXPECT_EQ(doc.fields[6].fieldFormula, "F4+F5+F12");
    EXPECT_EQ(doc.fields[6].page, 2);
    EXPECT_EQ(doc.fields[3].fieldFormula, "F1+F2+F12"); // the originals stay
}

TEST(ClipboardTest, ReferencesFollowTheCopiedFieldsExactlyWhenCopiedHere)
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    addField(doc, 10, 40);
    addField(doc, 10, 70, "F2*2+F1");
    addField(doc, 10, 100);
    Designer d(doc);
    d.selection().kind = kAreaSelectionCode;
    d.selection().bandVisible = true;
    d.selection().multi = {{ObjectKind::Field, 2}, {ObjectKind::Field, 3}};
    pasteClipboardText(d, copySelection(d));
    ASSERT_EQ(doc.fields.highWater(), 6);
    EXPECT_EQ(doc.fields[6].fieldFormula, "F5*2+F1"); // F2 was copied as 5, F1 was not
}

TEST(ClipboardTest, ForeignOrDamagedTextIsHandled)
{
    ProjectDocument doc;
    Designer d(doc);
    EXPECT_FALSE(pasteClipboardText(d, "hello, world\r\n").done);
    EXPECT_FALSE(pasteClipboardText(d, "~Vennrask1.0\r\n\r\nTitle,x\r\n").done);
    EXPECT_FALSE(d.undoStack().canUndo());
    ASSERT_TRUE(pasteClipboardText(d, "~Vennrask1.0\r\nTitle,Hi,x,abc\r\nBogus,1\r\n"
                                      "Combo,1,2,3,4,5,6,Arial,9,True,False,1,2,3,4,5,,0,0,0,"
                                      "99999999\r\nField\r\n")
                    .done);
    EXPECT_EQ(doc.titles[6].caption, "Hi");
    EXPECT_FLOAT_EQ(doc.titles[6].left, 0); // unreadable: the default stays
    EXPECT_TRUE(doc.combos[1].listItems.empty());
    EXPECT_EQ(doc.fields.highWater(), 1);
}

TEST(ClipboardTest, PasteStopsAtTheLimits)
{
    ProjectDocument doc;
    doc.fields.setHighWater(1999);
    doc.notes.setHighWater(500);
    Designer d(doc);
    const Outcome out =
        pasteClipboardText(d, "~Vennrask1.0\r\nField,1\r\nField,2\r\nNotes,1\r\nLine,1,2,3,4\r\n");
    EXPECT_EQ(out.message, 68);
    EXPECT_EQ(doc.fields.highWater(), 2000);
    EXPECT_EQ(doc.notes.highWater(), 500);
    EXPECT_EQ(doc.lines.highWater(), 0);
}

// A pasted picture takes its image from its file at once, and only from a file that can be
// a picture: what names a folder, a pipe, a device or 2 GB and more is not pasted.
TEST(ClipboardTest, PastedPictureReadsItsFileAndRefusesWhatCannotBeOne)
{
    const test::ScratchFolder folder;
    const fs::path& scratch = folder.path();
    std::ofstream(scratch / "logo.png", std::ios::binary) << "PNGDATA";
    ASSERT_EQ(::mkfifo((scratch / "pipe.png").c_str(), 0600), 0);
    {
        std::ofstream(scratch / "huge.png");
        fs::resize_file(scratch / "huge.png", 2ull << 30);
    }
    struct Case {
        std::string path;
        bool pasted;
        const char* image; // nullptr: no image
    };
    const Case cases[] = {
        {(scratch / "logo.png").string(), true, "PNGDATA"},
        {(scratch / "gone.png").string(), true, nullptr},
        {"logo.png", true, nullptr}, // no full path: nothing of the current folder
        {scratch.string(), false, nullptr},
        {(scratch / "pipe.png").string(), false, nullptr},
        {"/dev/zero", false, nullptr},
        {(scratch / "huge.png").string(), false, nullptr},
    };
    for (const Case& c : cases) {
        ProjectDocument doc;
        Designer d(doc);
        const Outcome out = pasteClipboardText(
            d, "~Vennrask1.0\r\nPicture," + c.path + ",10,10,50,50,0,True,,,0\r\nLine,1,2,3,4\r\n");
        EXPECT_TRUE(out.done) << c.path;
        EXPECT_EQ(doc.lines.highWater(), 0) << c.path << ": the rest of the paste goes on";
        EXPECT_EQ(doc.pictures.highWater(), c.pasted ? 0 : -1) << c.path;
        if (!c.pasted) {
            EXPECT_NE(out.text.find(c.path), std::string::npos) << out.text;
            continue;
        }
        const auto& bytes = doc.pictures[0].imageBytes;
        if (c.image)
            EXPECT_EQ(bytes ? std::string(bytes->begin(), bytes->end()) : "", c.image);
        else
            EXPECT_FALSE(bytes) << c.path;
    }
}

} // namespace
} // namespace qv
