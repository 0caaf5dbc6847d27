#include "builder/designsurface.h"
#include "designer/canvasoperations.h"
#include "designer/pagesize.h"

#include "designer/designerfixture.h"

#include <cmath>

namespace qv {
namespace {

constexpr double kMm = 96 / 25.4;

struct PageStep {
    const char* what;
    int item;
    std::optional<std::pair<double, double>> custom;
    double width, height; // pixels afterwards
    bool landscape;
    int code; // page-size code afterwards
};

// Each step runs on the page the one before left; the page is always what the document
// says, and the builder reads the same size.
TEST(PageSizeTest, ChoosingAPageWritesTheDocument)
{
    const PageStep steps[] = {
        {"a new document is Letter", -1, {}, 816, 1056, false, 0},
        {"A4 is portrait though captioned the other way", 12, {}, 210 * kMm, 297 * kMm, false, 12},
        {"Landscape turns it", 20, {}, 297 * kMm, 210 * kMm, true, 12},
        {"Landscape again changes nothing", 20, {}, 297 * kMm, 210 * kMm, true, 12},
        {"another paper keeps landscape", 0, {}, 1056, 816, true, 0},
        {"Portrait gives the paper back upright", 19, {}, 816, 1056, false, 0},
        {"the touch screen", 23, {}, 1366, 768, false, 23},
        {"the touch screen is wider than high either way", 20, {}, 1366, 768, true, 23},
        {"Portrait of the touch screen", 19, {}, 1366, 768, false, 23},
        {"a custom page in pixels", 22, std::make_pair(500.0, 300.0), 500, 300, false, 22},
        {"a cancelled custom dialog changes nothing", 22, {}, 500, 300, false, 22},
        {"an empty custom page is refused", 22, std::make_pair(0.0, 300.0), 500, 300, false, 22},
        {"a custom page turned swaps its size", 20, {}, 300, 500, true, 22},
        {"Portrait of a custom page keeps its size", 19, {}, 300, 500, false, 22},
        {"a separator is no page", 18, {}, 300, 500, false, 22},
        {"Legal", 3, {}, 816, 1344, false, 3},
    };
    ProjectDocument doc;
    Designer d(doc);
    for (const PageStep& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.item >= 0)
            choosePageSize(d, step.item, step.custom);
        const SurfacePixels page = pageSurface(doc.settings);
        EXPECT_NEAR(page.width, step.width, 1e-3);
        EXPECT_NEAR(page.height, step.height, 1e-3);
        EXPECT_EQ(doc.settings.pageSize20Checked, step.landscape);
        EXPECT_EQ(doc.settings.pageSizeCode, step.code);
        const SurfaceSize built = DesignSurfaceSize(doc.settings);
        EXPECT_NEAR(built.width, pixelsToTwips(static_cast<float>(step.width)), 0.05);
        EXPECT_NEAR(built.height, pixelsToTwips(static_cast<float>(step.height)), 0.05);
    }
}

TEST(PageSizeTest, CustomSizeIsTypedInTheUnitAndSavedWithTheProject)
{
    ProjectDocument doc;
    Designer d(doc);
    d.canvas().unit = MeasureUnit::Centimetres;
    ASSERT_TRUE(choosePageSize(d, 22, std::make_pair(10.0, 5.0)));
    EXPECT_NEAR(pageSurface(doc.settings).width, 10 / 2.54 * 96, 1e-3);
    // The choice is an undo step and marks the project changed.
    EXPECT_EQ(doc.modified, 1);
    ASSERT_TRUE(d.undo());
    EXPECT_EQ(doc.settings.pageSizeCode, 0);
    ASSERT_TRUE(d.redo());

    ProjectReadResult read = readProjectBytes(test::encoded(doc), "page.baf");
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_EQ(read.document.settings.pageSizeCode, kPageSizeCustom);
    EXPECT_NEAR(pageSurface(read.document.settings).width, 10 / 2.54 * 96, 1e-3);
    EXPECT_NEAR(pageSurface(read.document.settings).height, 5 / 2.54 * 96, 1e-3);
}

TEST(PageSizeTest, DamagedCustomSizesGiveLetter)
{
    const float bad[][2] = {{0, 100}, {-5, 100}, {NAN, 100}, {INFINITY, 100}, {1e12f, 100}};
    for (const auto& size : bad) {
        AppSettings a;
        a.pageSizeCode = kPageSizeCustom;
        a.surfaceWidth = size[0];
        a.surfaceHeight = size[1];
        EXPECT_DOUBLE_EQ(pageSurface(a).width, 816);
    }
    AppSettings unknown;
    unknown.pageSizeCode = 99;
    EXPECT_DOUBLE_EQ(pageSurface(unknown).height, 1056);
}

TEST(PageSizeTest, SelectAllCoversThePageOfTheDocument)
{
    ProjectDocument doc;
    test::setPage(doc, 300, 200);
    const int inside = test::addObject<Square>(doc, 290, 190);
    test::addObject<Square>(doc, 320, 10); // beyond the page
    Designer d(doc);
    selectAll(d);
    EXPECT_FLOAT_EQ(d.selection().bandWidth, 300);
    EXPECT_FLOAT_EQ(d.selection().bandHeight, 200);
    EXPECT_EQ(d.selection().multi, (std::vector<ObjectRef>{{ObjectKind::Square, inside}}));
}

} // namespace
} // namespace qv
