#include "designer/scripttext.h"

#include "designer/designerfixture.h"

namespace qv {
namespace {

using test::addField;
using test::addObject;

TEST(ScriptTextTest, PhpSendUrl)
{
    ProjectDocument doc;
    EXPECT_EQ(phpSendUrl(doc), std::string(kQueryAddress));
    addField(doc, 0, 0);
    doc.fields[1].tag = "Name";
    addField(doc, 0, 0);
    doc.fields[2].tag = "Phone";
    EXPECT_EQ(phpSendUrl(doc), std::string(kQueryAddress) + "Name=F1:&Phone=F2:&");
    addObject<Checkbox>(doc, 0, 0);
    doc.checkboxes[0].tag = "Paid";
    EXPECT_EQ(phpSendUrl(doc), std::string(kQueryAddress) + "Name=F1:&Phone=F2:&Paid=K0:&");
    EXPECT_EQ(actionTemplates().back(), kPhpSendUrl);
}

TEST(ScriptTextTest, TidyingUppercasesReferencesAndKeywords)
{
    ProjectDocument doc;
    addField(doc, 0, 0);
    addField(doc, 0, 0);
    struct Case {
        const char* in;
        const char* out;
        char separator;
    } cases[] = {{"if f1>5 then f2=1", "IF F1>5 THEN F2=1", '.'},
                 {"if f1>5 Or f2<1 else v12= sum(f1:f2)=sum(f1)",
                  "IF F1>5 OR F2<1 ELSE V12= SUM(F1:F2)=sum(F1)", '.'},
                 {"order f9 andy", "order f9 andy", '.'},
                 {"f1=2,5", "F1=2.5", ','},
                 {"not(f2) and f12", "NOT(F2) AND F12", '.'}};
    for (const Case& c : cases)
        EXPECT_EQ(tidyScript(c.in, doc, c.separator), c.out) << c.in;
}

TEST(ScriptTextTest, ListsAndInsertions)
{
    ProjectDocument doc;
    addField(doc, 0, 0);
    doc.fields[1].tag = "Price";
    const auto commands = scriptCommandList(doc);
    EXPECT_EQ(commands.back(), "F1=Price");
    EXPECT_EQ(scriptCommandInsertion("F3=Price"), "F3 ");
    EXPECT_EQ(scriptCommandInsertion("SUM"), "SUM ");
    EXPECT_EQ(scriptCommandInsertion(commands[7]), " ");
    const auto references = fieldReferenceList(doc);
    EXPECT_EQ(references.back(), "F1 = Price");
    EXPECT_EQ(fieldReferenceInsertion("S = Sqr"), "S");
    EXPECT_EQ(fieldReferenceInsertion(" AND "), " AND ");
    EXPECT_EQ(fieldReferenceInsertion("SUM(F1:F4) = Add F1 to F4"), "SUM(F1:F4)");
    EXPECT_EQ(fieldReferenceInsertion(" "), " ");
    EXPECT_EQ(fixComparisons("IF F1=>5 THEN F2=1 ELSE F3=<2"), "IF F1>=5 THEN F2=1 ELSE F3<=2");
    doc.fields[1].toolTipText = "Unit price";
    EXPECT_EQ(referenceToolTip(doc, "F1"), "F1 = Price, Unit price");
    EXPECT_EQ(referenceToolTip(doc, "F9"), "");
    EXPECT_EQ(emailNameFieldOfEntry("F12"), 12);
    EXPECT_FALSE(emailNameFieldOfEntry("Choose the 'Name' field for the email..."));
    EXPECT_EQ(dateOffsetFromText("7.9"), 8);
    EXPECT_EQ(dateOffsetFromText("2.5"), 2);
    EXPECT_EQ(dateOffsetFromText("abc"), 0);
    std::array<std::string, 10> texts{"Text", "Number", "a", "b", "c", "d", "e", "f", "g", "h"};
    const auto formats = formatList(texts, "Number");
    ASSERT_EQ(formats.size(), 13u);
    EXPECT_EQ(formats[3], "Number 0.000");
    EXPECT_EQ(formats[12], "h");
}

} // namespace
} // namespace qv
