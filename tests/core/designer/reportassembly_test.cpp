#include "designer/reportassembly.h"

#include "designer/designerfixture.h"

namespace qv {
namespace {

using test::addField;
using test::addObject;

ProjectDocument form()
{
    ProjectDocument doc;
    addField(doc, 10, 10);
    doc.fields[1].tag.clear();
    addObject<Combo>(doc, 10, 40);
    doc.combos[1].tag = "Kind";
    addObject<Checkbox>(doc, 10, 70);
    addObject<Notes>(doc, 10, 90);
    const int t = addObject<Title>(doc, 5, 5);
    doc.titles[t].caption = "Orders";
    addObject<Square>(doc, 0, 0);
    addObject<Line>(doc, 0, 0);
    addObject<Picture>(doc, 200, 10);
    addObject<Title>(doc, 5, 5, 2); // another page
    return doc;
}

TEST(ReportAssemblyTest, MirrorsTheShownPage)
{
    const ProjectDocument doc = form();
    const AssembledReport a = assembleReport(doc, 0);
    ASSERT_EQ(a.report.labels.size(), 5u);
    EXPECT_EQ(a.report.squares.size(), 1u);
    EXPECT_EQ(a.report.lines.size(), 1u);
    ASSERT_EQ(a.report.images.size(), 1u);
    EXPECT_EQ(a.imageToolTips[0], "P0, 1");
    const std::vector<std::string> captions = {"x", "M1, 1", "C1, 1", "F1, 1", "Orders"};
    const std::vector<std::string> tips = {" K4000, 1", " M6001,1", "Kind C2001,1", " F1,1",
                                           "Orders"};
    const std::vector<int> codes = {4000, 6001, 2001, 1, kPlainLabelRef};
    for (size_t i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(a.report.labels[i].caption, captions[i]);
        EXPECT_EQ(a.labelToolTips[i], tips[i]);
        EXPECT_EQ(a.report.labels[i].referenceCode, codes[i]);
    }
    EXPECT_EQ(a.report.labels[3].column, 1);
    EXPECT_FLOAT_EQ(a.report.labels[3].left, doc.fields[1].left);
}

TEST(ReportAssemblyTest, CopiesEveryShownSquareFromTheFirstButNotAParkedTemplate)
{
    // Squares are numbered from 0: the first one a user draws is square 0. Element 0 only
    // stands for the kind's template once every square was deleted (page 5), or when a file
    // stores it hidden.
    struct Case {
        const char* what;
        int16_t firstPage;
        bool firstVisible;
        size_t copied;
    } cases[] = {
        {"square 0 drawn by the user", 0, true, 2},
        {"square 0 parked after a delete", kParkedPage, true, 1},
        {"square 0 stored hidden", 0, false, 1},
    };
    for (const Case& c : cases) {
        ProjectDocument doc;
        ASSERT_EQ(addObject<Square>(doc, 10, 10), 0);
        addObject<Square>(doc, 50, 10);
        doc.squares[0].page = c.firstPage;
        doc.squares[0].visible = c.firstVisible;
        EXPECT_EQ(assembleReport(doc, 0).report.squares.size(), c.copied) << c.what;
    }
}

TEST(ReportAssemblyTest, AssemblingTwiceGivesTheSameReport)
{
    ProjectDocument doc = form();
    doc.reportSlots[0].report.labels.resize(7);
    Designer d(doc);
    ASSERT_TRUE(assembleReportInto(d, 0));
    const auto once = test::encoded(doc);
    ASSERT_TRUE(assembleReportInto(d, 0));
    EXPECT_EQ(test::encoded(doc), once);
    EXPECT_EQ(doc.reportSlots[0].report.labels.size(), 5u);
    EXPECT_EQ(addDataLabel(d, 0, {ObjectKind::Combo, 1}), "Kind C2001,1");
    EXPECT_EQ(doc.reportSlots[0].report.labels.back().referenceCode, 2001);
    EXPECT_FALSE(addDataLabel(d, 0, {ObjectKind::Title, 1}));
    d.undo();
    d.undo();
    d.undo();
    EXPECT_EQ(doc.reportSlots[0].report.labels.size(), 7u);
}

} // namespace
} // namespace qv
