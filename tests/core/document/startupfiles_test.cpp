#include "document/startupfiles.h"

#include "document/languagetable.h"
#include "document/scratchfolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

unsigned modeOf(const fs::path& path)
{
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode & 0777;
}

// Start-up options that keep everything inside the scratch folder: the program folder,
// the shipped data and the temporary folder. Counts the calls of the project writer.
struct Start {
    explicit Start(const ScratchFolder& folder)
    {
        options.appFolderOverride = folder / "app";
        options.sourceDataFolder = folder / "data";
        options.environment.tempFolder = folder / "tmp";
        options.environment.userId = static_cast<unsigned>(::geteuid());
        options.writeEmptyProject = [this](const fs::path& path, std::string& error) {
            ++writes;
            if (!writerWorks) {
                error = "disk full";
                return false;
            }
            writeBytes(path, "EMPTY PROJECT");
            return true;
        };
        fs::create_directories(folder / "tmp");
        fs::create_directories(folder / "data");
    }
    StartupFiles run() { return prepareStartupFiles(options); }

    StartupOptions options;
    int writes = 0;
    bool writerWorks = true;
};

TEST(StartupFilesTest, FirstAndSecondStart)
{
    ScratchFolder folder;
    writeBytes(folder / "data" / "Languages" / "English.txt", "shipped");
    writeBytes(folder / "data" / "Icons" / "Default.ico", "icon");
    Start start(folder);

    const StartupFiles first = start.run();
    ASSERT_TRUE(first.ok()) << first.fatalError;
    EXPECT_TRUE(first.messages.empty());
    EXPECT_EQ(first.seededFiles, 2);
    EXPECT_EQ(readBytes(folder / "app" / "Languages" / "English.txt"), "shipped");
    EXPECT_TRUE(first.defaultProjectCreated);
    EXPECT_EQ(readBytes(first.defaultProject), "EMPTY PROJECT");
    EXPECT_EQ(first.pictureFolder,
              folder / "tmp" / ("quorvalle-PicTemp-" + std::to_string(::geteuid())));
    EXPECT_EQ(modeOf(first.pictureFolder), 0700u);

    // The user's own files stay; pictures of the last run go, folders in the work folder
    // stay; the start template is not written again.
    writeBytes(folder / "app" / "Languages" / "English.txt", "edited by the user");
    writeBytes(first.pictureFolder / "old.jpg", "x");
    writeBytes(first.pictureFolder / "sub" / "keep.jpg", "x");
    fs::create_symlink(folder / "app" / "Default.baf", first.pictureFolder / "link.jpg");

    const StartupFiles second = start.run();
    ASSERT_TRUE(second.ok()) << second.fatalError;
    EXPECT_EQ(second.seededFiles, 0);
    EXPECT_EQ(readBytes(folder / "app" / "Languages" / "English.txt"), "edited by the user");
    EXPECT_EQ(second.removedPictures, 2);
    EXPECT_FALSE(fs::exists(first.pictureFolder / "old.jpg"));
    EXPECT_TRUE(fs::exists(first.pictureFolder / "sub" / "keep.jpg"));
    EXPECT_EQ(readBytes(folder / "app" / "Default.baf"), "EMPTY PROJECT"); // not followed
    EXPECT_EQ(start.writes, 1);
}

TEST(StartupFilesTest, SeedsFromTheShippedDataOfThisSourceTree)
{
    ScratchFolder folder;
    Start start(folder);
    start.options.sourceDataFolder.clear(); // the folder the build was configured with
    const StartupFiles files = start.run();
    ASSERT_TRUE(files.ok()) << files.fatalError;
    EXPECT_EQ(files.shippedData, fs::path(QV_SOURCE_DATA_DIR).lexically_normal());
    const LanguageLoad english = LanguageTable::read(languageFile(files.appFolder, "English"));
    ASSERT_TRUE(english.table) << english.error;
}

TEST(StartupFilesTest, ProgramFolderInsideTheShippedFolderIsNotCopiedIntoItself)
{
    ScratchFolder folder;
    writeBytes(folder / "data" / "Languages" / "English.txt", "shipped");
    Start start(folder);
    start.options.appFolderOverride = folder / "data" / "app";
    const StartupFiles files = start.run();
    ASSERT_TRUE(files.ok()) << files.fatalError;
    EXPECT_EQ(files.seededFiles, 1);
    EXPECT_FALSE(fs::exists(folder / "data" / "app" / "app"));
}

TEST(StartupFilesTest, UnsafePictureFolderIsNotUsed)
{
    struct Case {
        const char* name;
        std::function<void(const fs::path& usual, const fs::path& elsewhere)> prepare;
        unsigned userOffset;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"symbolic link",
         [](const fs::path& usual, const fs::path& elsewhere) {
             fs::create_directories(elsewhere);
             writeBytes(elsewhere / "victim.txt", "precious");
             fs::create_directory_symlink(elsewhere, usual);
         },
         0, "it is a symbolic link"},
        {"plain file", [](const fs::path& usual, const fs::path&) { writeBytes(usual, "file"); }, 0,
         "it is not a folder"},
        {"another user's folder",
         [](const fs::path& usual, const fs::path&) { fs::create_directories(usual); }, 1,
         "it belongs to another user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        Start start(folder);
        start.options.environment.userId += c.userOffset;
        const fs::path usual =
            folder / "tmp" /
            ("quorvalle-PicTemp-" + std::to_string(start.options.environment.userId));
        c.prepare(usual, folder / "elsewhere");

        const StartupFiles files = start.run();
        ASSERT_TRUE(files.ok()) << files.fatalError;
        EXPECT_NE(files.pictureFolder, usual);
        EXPECT_EQ(files.pictureFolder.parent_path(), folder / "tmp");
        EXPECT_EQ(modeOf(files.pictureFolder), 0700u);
        ASSERT_EQ(files.messages.size(), 1u);
        EXPECT_NE(files.messages[0].find(c.reason), std::string::npos) << files.messages[0];
        EXPECT_NE(files.messages[0].find(usual.string()), std::string::npos);
        if (fs::exists(folder / "elsewhere" / "victim.txt")) {
            EXPECT_EQ(readBytes(folder / "elsewhere" / "victim.txt"), "precious");
        }
    }
}

TEST(StartupFilesTest, FailuresSayWhatWentWrong)
{
    ScratchFolder folder;
    {
        Start start(folder);
        start.options.environment.tempFolder = folder / "no such folder";
        const StartupFiles files = start.run();
        EXPECT_FALSE(files.ok());
        EXPECT_NE(files.fatalError.find("Could not find '" + (folder / "no such folder").string()),
                  std::string::npos)
            << files.fatalError;
    }
    {
        Start start(folder);
        start.writerWorks = false;
        const StartupFiles files = start.run();
        ASSERT_TRUE(files.ok());
        EXPECT_FALSE(files.defaultProjectCreated);
        ASSERT_FALSE(files.messages.empty());
        EXPECT_NE(files.messages.back().find("Default.baf': disk full"), std::string::npos)
            << files.messages.back();
    }
    {
        Start start(folder);
        writeBytes(folder / "a file", "x");
        start.options.appFolderOverride = folder / "a file" / "app";
        const StartupFiles files = start.run();
        EXPECT_NE(files.fatalError.find("Cannot create the program folder"), std::string::npos)
            << files.fatalError;
    }
}

TEST(StartupFilesTest, ProgramFolderAndShippedDataAreFound)
{
    StartupEnvironment environment;
    environment.home = "/home/ann";
    environment.xdgDataHome = "relative/ignored";
    EXPECT_EQ(resolveAppFolder("/opt/mine", environment), fs::path("/opt/mine"));
    EXPECT_EQ(resolveAppFolder({}, environment), fs::path("/home/ann/.local/share/quorvalle"));
    environment.xdgDataHome = "/data/ann";
    EXPECT_EQ(resolveAppFolder({}, environment), fs::path("/data/ann/quorvalle"));
    EXPECT_EQ(resolveAppFolder({}, StartupEnvironment{}), fs::path());

    // An installed program takes its own shipped files before the source tree's.
    ScratchFolder folder;
    const fs::path bin = folder / "prefix" / "bin";
    fs::create_directories(folder / "source");
    EXPECT_EQ(findShippedData(bin, folder / "source"), folder / "source");
    fs::create_directories(folder / "prefix" / "share" / "quorvalle");
    EXPECT_EQ(findShippedData(bin, folder / "source"), folder / "prefix" / "share" / "quorvalle");
}

} // namespace
} // namespace qv
