#include "designer/canvassettings.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(PageSizeTest, PapersOrientationAndCustom)
{
    CanvasSettings c;
    choosePageSize(c, 12); // A4, captioned the other way round
    EXPECT_NEAR(c.width, 210 / 25.4 * 96, 1e-9);
    EXPECT_NEAR(c.height, 297 / 25.4 * 96, 1e-9);
    choosePageSize(c, 20); // Landscape
    EXPECT_GT(c.width, c.height);
    choosePageSize(c, 0); // another paper while Landscape is checked
    EXPECT_DOUBLE_EQ(c.width, 11 * 96);
    EXPECT_DOUBLE_EQ(c.height, 8.5 * 96);
    choosePageSize(c, 19); // Portrait gives the paper back upright
    EXPECT_DOUBLE_EQ(c.width, 8.5 * 96);
    EXPECT_FALSE(c.landscapeChecked);
    choosePageSize(c, 23);
    EXPECT_DOUBLE_EQ(c.width, 1366);
    chooseUnit(c, 7);
    choosePageSize(c, 22, std::make_pair(10.0, 5.0));
    EXPECT_NEAR(c.width, 10 / 2.54 * 96, 1e-4);
    EXPECT_EQ(c.pageSizeIndex, 22);
}

TEST(GridTest, StepsFollowTheUnit)
{
    CanvasSettings c;
    ASSERT_TRUE(chooseUnit(c, 5));
    ASSERT_TRUE(chooseGrid(c, 10));
    EXPECT_DOUBLE_EQ(c.gridStep, 24);
    EXPECT_EQ(gridCaptions(MeasureUnit::Inches)[1], "1/4 x 1/4 Inc");
    chooseUnit(c, 6);
    chooseGrid(c, 20);
    EXPECT_NEAR(c.gridStep, 4 / 25.4 * 96, 1e-9);
    EXPECT_FALSE(chooseGrid(c, 7));
    EXPECT_FALSE(chooseUnit(c, 4));
}

TEST(NumberTextTest, SinglePrecisionDecimalText)
{
    struct Case {
        float value;
        const char* text;
    } cases[] = {{0, "0"},
                 {20, "20"},
                 {2.5f, "2.5"},
                 {-3, "-3"},
                 {1.0f / 3, "0.3333333"},
                 {100.0667f, "100.0667"},
                 {12345678, "1.234568E+07"}};
    for (const Case& c : cases)
        EXPECT_EQ(singleText(c.value), c.text);
    EXPECT_TRUE(acceptsBoxKey('7'));
    EXPECT_TRUE(acceptsBoxKey('\b'));
    EXPECT_FALSE(acceptsBoxKey('.'));
    EXPECT_FALSE(acceptsBoxKey('-'));
}

} // namespace
} // namespace qv
