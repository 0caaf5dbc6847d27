#include "recorddesign.h"
#include "records/windowreport.h"

#include "document/objectkind.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv {
namespace {

std::vector<int> referenceCodes(const Report& report)
{
    std::vector<int> codes;
    for (const ReportLabel& label : report.labels)
        codes.push_back(label.referenceCode);
    std::sort(codes.begin(), codes.end());
    return codes;
}

TEST(WindowReport, CopiesThePageShownWithItsValuesInPlace)
{
    AppData design = test::orderDesign();
    design.fields[0].field.left = 300;
    design.fields[0].field.top = 600;
    design.fields[1].field.page = 1;         // another page
    design.fields[2].field.printon = 0;      // not printed
    design.fields[3].field.page = kAllPages; // every page
    design.combos[0].page = kDeletedPage;    // deleted
    Title title;
    title.caption = "Order";
    design.titles = {title};
    Square square;
    square.page = 1;
    design.squares = {square};

    const Report report = WindowReport(design, 0);
    // Customer, Total, Ordered, Remarks, Paid, and the title as a plain label.
    EXPECT_EQ(referenceCodes(report), (std::vector<int>{-1, 1, 4, 5, 4000, 6001}));
    EXPECT_TRUE(report.squares.empty());
    const auto customer = std::find_if(report.labels.begin(), report.labels.end(),
                                       [](const ReportLabel& l) { return l.referenceCode == 1; });
    EXPECT_EQ(customer->caption, "F1, 1");
    EXPECT_EQ(customer->left, 300 + 720);
    EXPECT_EQ(customer->top, 600 + 720);
    EXPECT_EQ(WindowReport(design, 1).squares.size(), 1u);
}

TEST(WindowReport, PaperFitsTheWindow)
{
    struct Case {
        float width;
        float height;
        bool landscape;
        float paperWidth;
        float paperHeight;
    } cases[] = {
        {9000, 6000, false, 11906, 16838},
        {9000, 6000, true, 16838, 11906},
        {20000, 6000, false, 21440, 16838},
    };
    for (const Case& c : cases) {
        AppData design;
        design.surfaceWidth = c.width;
        design.surfaceHeight = c.height;
        design.landscape = c.landscape;
        const Report report = WindowReport(design, 0);
        EXPECT_EQ(report.paperWidth, c.paperWidth) << c.width;
        EXPECT_EQ(report.paperHeight, c.paperHeight) << c.width;
    }
}

} // namespace
} // namespace qv
