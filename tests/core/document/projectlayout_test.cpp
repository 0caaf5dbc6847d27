// The bytes of whole project files, spelled out record by record.
#include "layoutbuilder.h"

#include "document/projectfile.h"

#include <gtest/gtest.h>

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

std::vector<uint8_t> emptyProjectLayout(const std::string& projectPath)
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
    b.intVar(-1).intVar(-1); // checkboxes, buttons
    emptySettingsAfterButtons(b);
    b.intVar(0);          // scripts
    b.byteVar(1).str(""); // one empty report slot
    b.intVar(0).intVar(0);
    return b.finish();
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
