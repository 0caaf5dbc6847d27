#include "scratchfolder.h"

#include "document/startproject.h"

#include <gtest/gtest.h>

#include <fstream>

namespace qv {
namespace {

StartupOptions optionsIn(const test::ScratchFolder& folder)
{
    StartupOptions options;
    options.appFolderOverride = folder.path() / "app";
    options.sourceDataFolder = QV_SOURCE_DATA_DIR;
    options.environment.tempFolder = folder.path() / "tmp";
    std::filesystem::create_directories(options.environment.tempFolder);
    options.environment.userId = 1000;
    options.writeEmptyProject = emptyProjectWriter();
    return options;
}

TEST(StartProject, FirstStartCreatesTheTemplateAndOpensIt)
{
    test::ScratchFolder folder;
    const StartupFiles files = prepareStartupFiles(optionsIn(folder));
    ASSERT_TRUE(files.ok()) << files.fatalError;
    EXPECT_TRUE(files.defaultProjectCreated);
    const StartProject start = openStartProject(files, "");
    ASSERT_TRUE(start.read.ok()) << start.read.message;
    EXPECT_EQ(start.read.document.projectPath, files.defaultProject.string());
    EXPECT_EQ(start.read.document.settings.windowTitle, "My Application");
}

TEST(StartProject, NamedProjectWinsAndABadOneFallsBackToTheTemplate)
{
    test::ScratchFolder folder;
    const StartupFiles files = prepareStartupFiles(optionsIn(folder));
    ProjectDocument named;
    named.settings.windowTitle = "Shop";
    const auto shop = folder.path() / "shop.baf";
    ASSERT_TRUE(saveProjectFile(named, shop).ok);
    EXPECT_EQ(openStartProject(files, shop.string()).read.document.settings.windowTitle, "Shop");

    const auto junk = folder.path() / "junk.baf";
    std::ofstream(junk) << "hello";
    const StartProject start = openStartProject(files, junk.string());
    EXPECT_TRUE(start.read.ok());
    EXPECT_EQ(start.read.document.projectPath, files.defaultProject.string());
    EXPECT_NE(start.message.find("junk.baf"), std::string::npos);
}

} // namespace
} // namespace qv
