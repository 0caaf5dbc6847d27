// The bytes of whole project files, spelled out record by record.
#include "layoutbuilder.h"

#include "document/projectfile.h"

#include <gtest/gtest.h>

#include <functional>

namespace qv {
namespace {

// The settings from the header's file plates to the help file name, all at their defaults.
void emptySettingsAfterIcon(LayoutBuilder& b, const std::string& projectPath)
{
    for (int i = 0; i < 10; ++i)
        b.str("").str("").str("");
    b.str(""); // Text9
    for (int i = 0; i < 6; ++i)
        b.longVar(0);                 // colour table and a zero
    b.boolVar(false).intVar(0);       // page-size entry 20, Calendar
    b.intVar(0).longVar(0).intVar(0); // page scroller
    b.singleVar(0).intVar(0).singleVar(0).singleVar(0).singleVar(0).singleVar(0).singleVar(0);
    b.str("").str(""); // about text, picture path 52
    b.boolVar(false).intVar(0).intVar(0).boolVar(false).intVar(0);
    b.str(projectPath + ".chm").str("");
}

void emptySettingsAfterButtons(LayoutBuilder& b)
{
    for (int i = 0; i < 10; ++i)
        b.boolVar(false).str("").str("");
    b.str("").intVar(0).intVar(0);
    for (int i = 0; i < 151 + 12; ++i)
        b.str("");
    b.intVar(0);
    for (int i = 0; i < 9 + 11; ++i)
        b.str("");
    b.intVar(0).str("").intVar(0).intVar(11).intVar(0).intVar(0).intVar(0).intVar(0);
    b.singleVar(0).singleVar(0).intVar(0);
    b.str(",");
    for (int i = 0; i < 60; ++i)
        b.str("");
    for (int i = 0; i < 5 + 1 + 6; ++i)
        b.intVar(0);
    b.str("").intVar(0).str("").intVar(0).intVar(0).intVar(0).intVar(0);
    b.str("");
    for (int i = 1; i <= 5; ++i)
        b.str("Page " + std::to_string(i));
}

// A project file whose only objects are the check boxes and buttons that `objects`
// writes (both sections with their counts).
std::vector<uint8_t> projectLayoutWith(const std::string& projectPath,
                                       const std::function<void(LayoutBuilder&)>& objects)
{
    LayoutBuilder b;
    b.str("Dat").str("My Application").byteVar(0).str("Arial").intVar(0).intVar(23).str("C");
    b.longVar(-1);
    emptySettingsAfterIcon(b, projectPath);
    b.intVar(-1).intVar(-1);                   // squares, lines
    b.intVar(0).str("").str("").intVar(-1);    // e-mail field, icon path, path 51, pictures
    b.intVar(0).intVar(0).intVar(0).intVar(0); // fields, titles, combos, notes
    for (int i = 0; i < 96; ++i)
        b.longVar(0);
    for (int i = 0; i < 25; ++i)
        b.str("");
    b.str("").str("Statistics");
    for (int i = 0; i < 7; ++i)
        b.str("");
    b.str("").intVar(0);
    objects(b);
    emptySettingsAfterButtons(b);
    b.intVar(0);          // scripts
    b.byteVar(1).str(""); // one empty report slot
    b.intVar(0).intVar(0);
    return b.finish();
}

std::vector<uint8_t> emptyProjectLayout(const std::string& projectPath)
{
    return projectLayoutWith(projectPath, [](LayoutBuilder& b) {
        b.intVar(-1).intVar(-1); // checkboxes, buttons
    });
}

// One check box and one button as their records name their slots: the check box's three
// option bytes are (print, lock after entry, chartable); the button's texts are (caption,
// tag, font name, tool tip) and its Longs (back colour, font size, render colour, border).
void checkboxAndButton(LayoutBuilder& b)
{
    b.intVar(0); // highest check box index
    b.byteVar(1).intVar(0).boolVar(true);
    b.byteVar(0).byteVar(1).byteVar(1); // not printed, locked after entry, chartable
    b.intVar(2).singleVar(150).singleVar(300).str("Paid").intVar(4).str("Tick when paid");
    b.byteVar(1).intVar(3);
    b.intVar(0); // highest button index
    b.intVar(0).str("Save").str("save-button").str("Tahoma").str("Saves the record");
    b.longVar(0x999999).intVar(0).intVar(0).longVar(12);
    b.singleVar(600).singleVar(450).singleVar(1200).singleVar(375);
    b.longVar(0x00FF00).longVar(2).intVar(5).str("SAVE");
}

TEST(ProjectLayout, CheckboxAndButtonSlotsHoldTheirNamedProperties)
{
    const std::vector<uint8_t> file = projectLayoutWith("/p/x.baf", checkboxAndButton);
    ProjectReadResult read = readProjectBytes(file, "x.baf");
    ASSERT_TRUE(read.ok()) << read.message;
    ProjectDocument& doc = read.document;
    const Button& button = doc.buttons[0];
    EXPECT_EQ(button.caption, "Save");
    EXPECT_EQ(button.tag, "save-button");
    EXPECT_EQ(button.fontName, "Tahoma");
    EXPECT_EQ(button.toolTipText, "Saves the record");
    EXPECT_EQ(button.backColor, 0x999999);
    EXPECT_EQ(button.fontSize, 12);
    EXPECT_EQ(button.renderColor, 0x00FF00);
    EXPECT_EQ(button.border, 2);
    EXPECT_EQ(button.tabOrder, 5);
    EXPECT_EQ(button.buttonAction, "SAVE");
    const Checkbox& check = doc.checkboxes[0];
    EXPECT_EQ(check.printon, 0);
    EXPECT_EQ(check.lockEnabled, 1);
    EXPECT_EQ(check.noChart, 1);
    EXPECT_EQ(check.tag, "Paid");
    EXPECT_EQ(encodeProject(doc, "/p/x.baf").bytes, file);
}

TEST(ProjectLayout, EmptyDocumentIsWrittenRecordByRecord)
{
    const ProjectDocument empty;
    const ProjectWriteResult written = encodeProject(empty, "/p/Default.baf");
    ASSERT_TRUE(written.ok) << written.message;
    const std::vector<uint8_t> expected = emptyProjectLayout("/p/Default.baf");
    ASSERT_EQ(written.bytes.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(written.bytes[i], expected[i]) << "first difference at byte offset " << i;
}

TEST(ProjectLayout, HandWrittenEmptyFileReadsAndSavesUnchanged)
{
    const std::vector<uint8_t> file = emptyProjectLayout("/p/x.baf");
    ProjectReadResult read = readProjectBytes(file, "x.baf");
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_EQ(read.document.squares.highWater(), -1);
    EXPECT_EQ(read.document.titles.highWater(), 0);
    EXPECT_EQ(read.document.settings.pageButtonCaptions[4], "Page 5");
    EXPECT_EQ(encodeProject(read.document, "/p/x.baf").bytes, file);
}

TEST(ProjectLayout, ObjectRecordsFollowTheirSectionCounts)
{
    // One square on page 0 (with its visible flag) and one line on page 2 (without).
    ProjectDocument doc;
    Square& square = doc.squares[doc.squares.append()];
    square.page = 0;
    square.squareState = 7;
    square.width = 150;
    Line& line = doc.lines[doc.lines.append()];
    line.page = 2;
    line.x2 = 300;
    const ProjectWriteResult written = encodeProject(doc, "p");
    ASSERT_TRUE(written.ok);

    LayoutBuilder b;
    b.str("Dat").str("My Application").byteVar(0).str("Arial").intVar(0).intVar(23).str("C");
    b.longVar(-1);
    emptySettingsAfterIcon(b, "p");
    b.intVar(0); // highest square index
    b.intVar(0).byteVar(7).boolVar(true).longVar(0xFFFFFF).longVar(0).longVar(0);
    b.intVar(0).intVar(1).intVar(1).intVar(1);
    b.singleVar(150).singleVar(1500).singleVar(0).singleVar(0);
    b.intVar(0); // highest line index
    b.intVar(2).singleVar(0).singleVar(0).singleVar(300).singleVar(0).longVar(0).byteVar(0);
    const std::vector<uint8_t> prefix = b.finish();
    ASSERT_GE(written.bytes.size(), prefix.size());
    // The prefix ends with a Byte slot; compare up to its value.
    EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), written.bytes.begin()));
}

} // namespace
} // namespace qv
