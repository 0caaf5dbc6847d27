#include "builder/appdatabuilder.h"
#include "builder/designofappdata.h"
#include "builder/recordfiles.h"
#include "document/projectfixture.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RecordFiles, TheRecordsFileIsNamedAfterTheApplication)
{
    struct Case {
        const char* extension;
        const char* file;
    };
    const Case cases[] = {
        {"dat", "Orders.dat"}, {".Dat", "Orders.dat"},
        {"csv", "Orders.db"},  {"CSV", "Orders.db"},
        {"", "Orders.db"},     {"../x", "Orders.db"},
        {"a b", "Orders.db"},  {"sqlite3", "Orders.sqlite3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecordFileName("Orders", c.extension), c.file) << c.extension;
    EXPECT_TRUE(IsRecordFile("Orders.dat-wal", "Orders", "dat"));
    EXPECT_TRUE(IsRecordFile("Orders.dat-journal", "Orders", "dat"));
    EXPECT_FALSE(IsRecordFile("Orders.dat-old", "Orders", "dat"));
    EXPECT_FALSE(IsRecordFile("Orders.exe", "Orders", "dat"));

    AppData data;
    data.helpFileName = "Order Book.chm";
    EXPECT_EQ(AppNameOf(data, "x"), "Order Book");
    data.helpFileName = "../evil.chm";
    EXPECT_EQ(AppNameOf(data, "x"), "x");
    data.helpFileName = "";
    EXPECT_EQ(AppNameOf(data, "x"), "x");
}

TEST(DesignOfAppData, TheBuiltDesignDrawsLikeTheProject)
{
    ProjectDocument project = test::richDocument();
    PrepareDocumentForBuild(project);
    const AppData data = BuildAppData(project, "Orders", {2026, 5, 6}).data;
    const ProjectDocument design = DesignOfAppData(data);

    auto sameTables = [](const auto& a, const auto& b, auto compare) {
        ASSERT_EQ(a.highWater(), b.highWater());
        for (int i : a.indices())
            compare(a[i], b[i], i);
    };
    sameTables(project.titles, design.titles, [](const Title& a, const Title& b, int i) {
        EXPECT_EQ(a.caption, b.caption) << i;
        EXPECT_EQ(a.left, b.left) << i;
        EXPECT_EQ(a.fontSize, b.fontSize) << i;
        EXPECT_EQ(a.page, b.page) << i;
    });
    sameTables(project.fields, design.fields, [](const Field& a, const Field& b, int i) {
        EXPECT_EQ(a.top, b.top) << i;
        EXPECT_EQ(a.width, b.width) << i;
        EXPECT_EQ(a.fieldFormula, b.fieldFormula) << i;
        EXPECT_EQ(a.text, b.text) << i;
        EXPECT_EQ(a.framed(), b.framed()) << i;
    });
    sameTables(project.squares, design.squares, [](const Square& a, const Square& b, int i) {
        EXPECT_EQ(a.shape, b.shape) << i;
        EXPECT_EQ(a.fillColor, b.fillColor) << i;
        EXPECT_EQ(a.height, b.height) << i;
    });
    sameTables(project.combos, design.combos, [](const Combo& a, const Combo& b, int i) {
        EXPECT_EQ(a.listItems, b.listItems) << i;
        EXPECT_EQ(a.width, b.width) << i;
    });
    sameTables(project.checkboxes, design.checkboxes,
               [](const Checkbox& a, const Checkbox& b, int i) { EXPECT_EQ(a.left, b.left) << i; });
    sameTables(project.buttons, design.buttons, [](const Button& a, const Button& b, int i) {
        EXPECT_EQ(a.caption, b.caption) << i;
        EXPECT_EQ(a.height, b.height) << i;
    });
    sameTables(project.pictures, design.pictures, [](const Picture& a, const Picture& b, int i) {
        EXPECT_EQ(a.width, b.width) << i;
        EXPECT_EQ(a.stretch, b.stretch) << i;
    });
    EXPECT_EQ(design.notes.highWater(), project.notes.highWater());
    EXPECT_EQ(design.lines.highWater(), project.lines.highWater());
    EXPECT_EQ(design.settings.windowTitle, project.settings.windowTitle);
    EXPECT_EQ(design.settings.pageSizeCode, kPageSizeCustom);
    EXPECT_EQ(design.settings.surfaceWidth, data.surfaceWidth);
}

} // namespace
} // namespace qv
