#include "document/inifile.h"

#include "document/scratchfolder.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

std::string record(std::string_view text, std::size_t claimedLength)
{
    std::string bytes(IniFile::kRecordSize, '\0');
    bytes[0] = static_cast<char>(claimedLength & 0xFF);
    bytes[1] = static_cast<char>(claimedLength >> 8);
    bytes.replace(2, text.size(), text);
    return bytes;
}

std::string record(std::string_view text)
{
    return record(text, text.size());
}

TEST(IniFileTest, MissingFileIsCreatedWithFiveEmptyRecords)
{
    ScratchFolder folder;
    const std::filesystem::path path = folder / "Quorvalle.ini";
    const IniLoad load = readIniFile(path);
    EXPECT_TRUE(load.error.empty()) << load.error;
    EXPECT_TRUE(load.created);
    EXPECT_EQ(readBytes(path), std::string(5 * 128, '\0'));
    EXPECT_EQ(load.ini.recentProjects, RecentProjects{});
    EXPECT_EQ(load.ini.language, "");

    const IniLoad again = readIniFile(path);
    EXPECT_FALSE(again.created);
    EXPECT_TRUE(again.warnings.empty());

    const IniLoad unwritable = readIniFile(folder / "missing" / "Quorvalle.ini");
    EXPECT_FALSE(unwritable.created);
    EXPECT_NE(unwritable.error.find("missing"), std::string::npos) << unwritable.error;
}

TEST(IniFileTest, WritesFixedRecordsAndReadsThemBack)
{
    ScratchFolder folder;
    const std::filesystem::path path = folder / "Quorvalle.ini";
    IniFile ini;
    ini.recentProjects = {"/home/ann/Shop.baf", "/home/ann/Caf\xC3\xA9.baf", "", "", "x"};
    ini.language = "Spanish (Standard)";
    ini.laterRecords = record("kept");
    std::string error;
    std::vector<std::string> warnings;
    ASSERT_TRUE(writeIniFile(path, ini, error, warnings)) << error;
    EXPECT_TRUE(warnings.empty());

    const std::string bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 7 * 128u);
    EXPECT_EQ(bytes.substr(0, 128), record("/home/ann/Shop.baf"));
    EXPECT_EQ(bytes.substr(128, 128), record("/home/ann/Caf\xC3\xA9.baf"));
    EXPECT_EQ(bytes.substr(5 * 128, 128), record("Spanish (Standard)"));

    const IniLoad load = readIniFile(path);
    EXPECT_TRUE(load.warnings.empty());
    EXPECT_EQ(load.ini.recentProjects, ini.recentProjects);
    EXPECT_EQ(load.ini.language, ini.language);
    EXPECT_EQ(load.ini.laterRecords, ini.laterRecords);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1); // no temporary file left behind
}

struct DamageCase {
    const char* name;
    std::string bytes;
    RecentProjects recent;
    std::string language;
    std::vector<int> warnedRecords;
};

TEST(IniFileTest, DamagedRecordsReadAsEmptyWithAWarning)
{
    const std::string three = record("a") + record("b") + record("c");
    const std::vector<DamageCase> cases = {
        {"short file", three, {"a", "b", "c", "", ""}, "", {}},
        {"cut inside a text",
         three + record("abcdef").substr(0, 5),
         {"a", "b", "c", "", ""},
         "",
         {4}},
        {"length beyond the record",
         record("a") + record("b", 127) + record("c") + record("d") + record("e") +
             record("English"),
         {"a", "", "c", "d", "e"},
         "English",
         {2}},
        {"length far beyond",
         record("a", 65535) + record("b") + record("c") + record("d") + record("e") +
             record("English", 60000),
         {"", "b", "c", "d", "e"},
         "",
         {1, 6}},
        {"language name leaving its folder",
         three + record("") + record("") + record("../../etc/passwd"),
         {"a", "b", "c", "", ""},
         "",
         {6}},
        {"windows-1252 text", record("C:\\Caf\xE9"), {"C:\\Caf\xC3\xA9", "", "", "", ""}, "", {}},
    };
    for (const DamageCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> warnings;
        const IniFile ini = IniFile::parse(c.bytes, "Quorvalle.ini", warnings);
        EXPECT_EQ(ini.recentProjects, c.recent);
        EXPECT_EQ(ini.language, c.language);
        ASSERT_EQ(warnings.size(), c.warnedRecords.size());
        for (std::size_t i = 0; i < warnings.size(); ++i) {
            EXPECT_NE(
                warnings[i].find("'Quorvalle.ini', record " + std::to_string(c.warnedRecords[i])),
                std::string::npos)
                << warnings[i];
        }
    }
}

TEST(IniFileTest, TextTooLongForARecordIsNotStored)
{
    IniFile ini;
    ini.recentProjects[0] = std::string(126, 'a');
    ini.recentProjects[1] = "/" + std::string(126, 'b');
    ini.language = "English";
    std::vector<std::string> warnings;
    const std::string bytes = ini.serialize(warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("Recent project 2"), std::string::npos) << warnings[0];
    EXPECT_EQ(bytes.substr(0, 128), record(std::string(126, 'a')));
    EXPECT_EQ(bytes.substr(128, 128), record(""));
    EXPECT_EQ(bytes.substr(5 * 128, 128), record("English"));
}

TEST(RecentProjectsTest, OpenedPathMovesToTheTopOnce)
{
    struct Case {
        const char* name;
        RecentProjects before;
        std::string opened;
        RecentProjects after;
        bool changed;
    };
    const RecentProjects full = {"/1.baf", "/2.baf", "/3.baf", "/4.baf", "/5.baf"};
    const std::vector<Case> cases = {
        {"full list drops the last",
         full,
         "/a.baf",
         {"/a.baf", "/1.baf", "/2.baf", "/3.baf", "/4.baf"},
         true},
        {"already listed stays where it is", full, "/3.baf", full, false},
        {"start template", full, "/home/ann/.local/share/quorvalle/Default.baf", full, false},
        {"a name ending like the template",
         full,
         "/MyDefault.baf",
         {"/MyDefault.baf", "/1.baf", "/2.baf", "/3.baf", "/4.baf"},
         true},
        {"empty path", full, "", full, false},
        {"the same file by another name", full, "/tmp/../3.baf", full, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecentProjects entries = c.before;
        EXPECT_EQ(addRecentProject(entries, c.opened), c.changed);
        EXPECT_EQ(entries, c.after);
    }
}

TEST(RecentProjectsTest, RelativePathsAreStoredAbsolute)
{
    // A project named on the command line as "O.baf" must still be found from any folder.
    const std::string here = std::filesystem::current_path().string();
    RecentProjects entries;
    EXPECT_TRUE(addRecentProject(entries, "O.baf"));
    EXPECT_EQ(entries[0], (std::filesystem::path(here) / "O.baf").string());
    EXPECT_FALSE(addRecentProject(entries, "./O.baf"));
    EXPECT_FALSE(addRecentProject(entries, entries[0]));
    EXPECT_EQ(entries[1], "");
}

} // namespace
} // namespace qv
