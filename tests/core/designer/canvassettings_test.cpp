#include "designer/canvassettings.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(GridTest, StepsFollowTheUnitWhenAGridItemIsChosen)
{
    CanvasSettings c;
    ASSERT_TRUE(chooseGrid(c, 10));
    ASSERT_TRUE(chooseUnit(c, 5));
    // Choosing a unit relabels the grid items; the step stays until an item is chosen.
    EXPECT_DOUBLE_EQ(c.gridStep, 10);
    EXPECT_EQ(gridCaptions(c.unit)[1], "1/4 x 1/4 Inc");
    ASSERT_TRUE(chooseGrid(c, 10));
    EXPECT_DOUBLE_EQ(c.gridStep, 24);
    chooseUnit(c, 6);
    EXPECT_DOUBLE_EQ(c.gridStep, 24);
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
