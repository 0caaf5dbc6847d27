#include "designer/configuration.h"

#include "designer/projectpaths.h"
#include "document/languagetable.h"

#include "designer/designerfixture.h"

namespace qv {
namespace {

using test::addField;
using test::addObject;

TEST(ConfigurationTest, CharacterSets)
{
    ProjectDocument doc;
    Designer d(doc);
    EXPECT_TRUE(chooseCharset(d, "Cyrillic"));
    EXPECT_EQ(doc.settings.defaultCharset, 204);
    EXPECT_FALSE(chooseCharset(d, "Klingon"));
    EXPECT_EQ(doc.settings.defaultCharset, 204);
    EXPECT_EQ(charsetNumber("Aribic"), 178);
    d.undo();
    EXPECT_EQ(doc.settings.defaultCharset, 0);
}

TEST(ConfigurationTest, PlateExtensionsAndXmlPlates)
{
    ProjectDocument doc;
    addField(doc, 0, 0);
    doc.fields[1].tag = "Total";
    addField(doc, 0, 20);
    doc.fields[2].tag.clear(); // no name, no line
    addObject<Notes>(doc, 0, 40);
    doc.notes[1].tag = "Memo";
    const int p = addObject<Picture>(doc, 0, 60);
    doc.pictures[p].displayPath = "logo.png";
    LanguageTable language;
    language.setText(text::FileMenu, "File");
    Designer d(doc, &language);
    EXPECT_EQ(setPlateExtension(d, 2, "XML"), "XML File");
    finishPlateExtension(d, 2);
    EXPECT_EQ(doc.settings.filePlates[2].extension, "xml");
    EXPECT_EQ(setPlateExtension(d, 3, ""), "");
    const std::string expected = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                 "<Record_ID:>\r\n"
                                 "  <Total>F1:</Total>\r\n"
                                 "  <Memo>N1:</Memo>\r\n"
                                 "  <logo.png>P0:</logo.png>\r\n"
                                 "</Record_ID:>\r\n";
    EXPECT_EQ(plateForEditing(d, 2), expected);
    storePlate(d, 2, "mine");
    EXPECT_EQ(plateForEditing(d, 2), "mine"); // not generated again
}

TEST(ConfigurationTest, TestTemplateFillsPlates)
{
    ProjectDocument doc;
    for (int i = 1; i <= 11; ++i)
        addField(doc, 0, 0);
    doc.fields[1].text = "one";
    doc.fields[11].text = "eleven";
    addObject<Checkbox>(doc, 0, 0);
    doc.checkboxes[0].checkState = 1;
    EXPECT_EQ(fillPlate(doc, "F1: F11: K0: F1"), "one eleven 1 F1");
    EXPECT_EQ(fillPlate(doc, "C1:M1:", [](ObjectRef r) { return std::string(kindName(r.kind)); }),
              "C1:M1:"); // no combos or notes
    EXPECT_EQ(testPlateFileName("xml"), "Temp.xml");
}

TEST(ProjectPathTest, SaveAsAlwaysWritesBaf)
{
    EXPECT_EQ(withProjectExtension("C:\\Work\\orders.ddf"), "C:\\Work\\orders.baf");
    EXPECT_EQ(withProjectExtension("C:\\Work.v2\\orders"), "C:\\Work.v2\\orders.baf");
    EXPECT_EQ(withProjectExtension("/tmp/a.b.baf"), "/tmp/a.b.baf");
    EXPECT_EQ(chosenProjectPath("C:\\", "a.baf"), "C:\\a.baf");
    EXPECT_EQ(chosenProjectPath("C:\\Work", "a.baf"), "C:\\Work\\a.baf");
    EXPECT_EQ(chosenProjectPath("/home/me", "a.baf"), "/home/me/a.baf");
    EXPECT_TRUE(saveNeedsDialog(""));
    EXPECT_EQ(replaceQuestion("Replace * ?", "C:\\a.baf"), "Replace C:\\a.baf ?");
}

} // namespace
} // namespace qv
