#include "document/languagetable.h"

#include "document/scratchfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace qv {
namespace {

using test::readBytes;
using test::ScratchFolder;
using test::writeBytes;

const std::filesystem::path kShippedEnglish =
    std::filesystem::path(QV_SOURCE_DATA_DIR) / "Languages" / "English.txt";

// A language file of `textLines` texts "Text n", then the given extra lines.
std::string makeLanguageFile(int textLines, std::vector<std::string> extra,
                             std::string_view lineEnd = "\r\n")
{
    std::string bytes;
    for (int n = 1; n <= textLines; ++n) {
        bytes += "Text " + std::to_string(n);
        bytes += lineEnd;
    }
    for (const std::string& line : extra) {
        bytes += line;
        bytes += lineEnd;
    }
    return bytes;
}

TEST(LanguageTableTest, ShippedEnglishFileIsCompleteAndRoundTrips)
{
    const std::string bytes = readBytes(kShippedEnglish);
    const LanguageLoad load = LanguageTable::parse(bytes, "English.txt");
    ASSERT_TRUE(load.table) << load.error;
    EXPECT_TRUE(load.warnings.empty());
    const LanguageTable& table = *load.table;
    EXPECT_EQ(table.charset, 0);
    EXPECT_EQ(table.font, "Arial");
    for (int n = 1; n <= LanguageTable::kEntryCount; ++n) {
        EXPECT_FALSE(table.text(n).empty()) << "entry " << n;
    }
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 302);

    // The places that the program addresses by number say what they need: one "*" for
    // the path in the replace question, a different message for every full kind.
    EXPECT_EQ(table.text(text::FileMenu), "&File");
    const std::string& replace = table.text(text::ReplaceFileQuestion);
    EXPECT_EQ(std::count(replace.begin(), replace.end(), '*'), 1);
    std::set<std::string> full;
    for (int n : {63, 67, 68, 69, 70, 71, 72, 73, 74}) {
        EXPECT_NE(table.text(n).find("No more"), std::string::npos) << "entry " << n;
        full.insert(table.text(n));
    }
    EXPECT_EQ(full.size(), 9u);
    // Entries that stand for captions the windows show as they are written.
    const std::pair<int, const char*> captions[] = {
        {144, "Display object on all pages..."},
        {156, "Custom..."},
        {159, "Field Length...   (Charater Size)"},
        {192, "Configuration...."},
        {197, "File Extention..."},
        {210, "Adds Tool box Field..."},
        {223, "Assemble"},
        {291, "Lock Controls..."},
        {292, "Unlock Controls..."},
    };
    for (const auto& [n, caption] : captions)
        EXPECT_EQ(table.text(n), caption) << "entry " << n;

    std::string written;
    std::string error;
    ASSERT_TRUE(table.serialize(written, error)) << error;
    EXPECT_EQ(written, bytes);
}

struct ParseCase {
    const char* name;
    std::string bytes;
    bool loads;
    int charset;
    std::string font;
    std::size_t warnings;
    std::string errorPart; // when it does not load
};

TEST(LanguageTableTest, ParsesCompleteAndIncompleteFiles)
{
    const std::vector<ParseCase> cases = {
        {"CR LF", makeLanguageFile(300, {"204", "Verdana"}), true, 204, "Verdana", 0, ""},
        {"LF", makeLanguageFile(300, {"204", "Verdana"}, "\n"), true, 204, "Verdana", 0, ""},
        {"no last line end", makeLanguageFile(300, {"204"}) + "Verdana", true, 204, "Verdana", 0,
         ""},
        {"lines after 302 ignored", makeLanguageFile(300, {"0", "Arial", "x", "\xFF"}), true, 0,
         "Arial", 0, ""},
        {"blanks around the number", makeLanguageFile(300, {" 238\t", "Tahoma"}), true, 238,
         "Tahoma", 0, ""},
        {"no font line", makeLanguageFile(300, {"161"}), true, 161, "Arial", 1, ""},
        {"no character-set line", makeLanguageFile(300, {}), true, 0, "Arial", 2, ""},
        {"a text line missing", makeLanguageFile(299, {}), false, 0, "", 0, "has 299 lines"},
        {"empty file", "", false, 0, "", 0, "has 0 lines"},
        {"a text line too many", makeLanguageFile(301, {"0", "Arial"}), false, 0, "", 0,
         "line 301: the character set must be a whole number from 0 to 255, not 'Text 301'"},
        {"character set too large", makeLanguageFile(300, {"300", "Arial"}), false, 0, "", 0,
         "not '300'"},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.name);
        const LanguageLoad load = LanguageTable::parse(c.bytes, "Dutch.txt");
        ASSERT_EQ(load.table.has_value(), c.loads) << load.error;
        if (!c.loads) {
            EXPECT_NE(load.error.find("Language file 'Dutch.txt'"), std::string::npos);
            EXPECT_NE(load.error.find(c.errorPart), std::string::npos) << load.error;
            continue;
        }
        EXPECT_EQ(load.table->charset, c.charset);
        EXPECT_EQ(load.table->font, c.font);
        EXPECT_EQ(load.warnings.size(), c.warnings);
        for (const std::string& warning : load.warnings) {
            EXPECT_NE(warning.find("Dutch.txt"), std::string::npos) << warning;
        }
        EXPECT_EQ(load.table->text(1), "Text 1");
        EXPECT_EQ(load.table->text(300), "Text 300");
        EXPECT_EQ(load.table->encoding, LanguageTable::Encoding::Utf8); // what follows is ignored
    }
}

TEST(LanguageTableTest, TextsAreUsedAsTheyStand)
{
    const std::string bytes =
        "  padded  \r\n" + std::string(5000, 'x') + "\r\n" + makeLanguageFile(298, {"0", "A"});
    LanguageTable table = *LanguageTable::parse(bytes, "x.txt").table;
    EXPECT_EQ(table.text(1), "  padded  ");
    EXPECT_EQ(table.text(2).size(), 5000u);
    table.setText(0, "never");
    table.setText(301, "never");
    EXPECT_EQ(table.text(0), "");
    EXPECT_EQ(table.text(301), "");
}

struct EncodingCase {
    const char* name;
    std::string firstLine; // bytes in the file
    std::string charset;
    std::string expected; // UTF-8
    LanguageTable::Encoding encoding;
};

TEST(LanguageTableTest, DecodesByCodePageUnlessUtf8AndWritesBackTheSameBytes)
{
    const std::vector<EncodingCase> cases = {
        {"windows-1252", "Caf\xE9 \x80", "0", "Caf\xC3\xA9 \xE2\x82\xAC",
         LanguageTable::Encoding::CodePage},
        {"windows-1251 by its character set", "\xD4\xE0\xE9\xEB", "204",
         "\xD0\xA4\xD0\xB0\xD0\xB9\xD0\xBB", LanguageTable::Encoding::CodePage},
        {"UTF-8 kept", "Caf\xC3\xA9", "0", "Caf\xC3\xA9", LanguageTable::Encoding::Utf8},
        {"UTF-8 with a byte order mark", "\xEF\xBB\xBF\xD0\xA4", "204", "\xD0\xA4",
         LanguageTable::Encoding::Utf8WithBom},
    };
    ScratchFolder folder;
    for (const EncodingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bytes =
            c.firstLine + "\r\n" + makeLanguageFile(299, {c.charset, "Arial"});
        const std::filesystem::path path = folder / "Lang.txt";
        writeBytes(path, bytes);
        const LanguageLoad load = LanguageTable::read(path);
        ASSERT_TRUE(load.table) << load.error;
        EXPECT_EQ(load.table->text(1), c.expected);
        EXPECT_EQ(load.table->encoding, c.encoding);

        std::string error;
        ASSERT_TRUE(load.table->write(path, error)) << error;
        EXPECT_EQ(readBytes(path), bytes);
    }
}

TEST(LanguageTableTest, WritingRefusesTextsTheFileCannotHold)
{
    LanguageTable table;
    for (int n = 1; n <= LanguageTable::kEntryCount; ++n) {
        table.setText(n, "Text " + std::to_string(n));
    }
    std::string bytes;
    std::string error;

    LanguageTable broken = table;
    broken.setText(12, "two\nlines");
    EXPECT_FALSE(broken.serialize(bytes, error));
    EXPECT_NE(error.find("Language text 12 holds a line break"), std::string::npos) << error;

    LanguageTable cyrillic = table;
    cyrillic.setText(7, "\xD0\xA4");
    EXPECT_FALSE(cyrillic.serialize(bytes, error));
    EXPECT_NE(error.find("Language text 7"), std::string::npos) << error;
    EXPECT_NE(error.find("windows-1252"), std::string::npos) << error;

    cyrillic.charset = 204;
    ASSERT_TRUE(cyrillic.serialize(bytes, error)) << error;
    EXPECT_NE(bytes.find("Text 6\r\n\xD4\r\nText 8"), std::string::npos);

    ScratchFolder folder;
    const std::filesystem::path path = folder / "Languages" / "Mine.txt";
    EXPECT_FALSE(table.write(path, error)); // the folder does not exist
    EXPECT_NE(error.find("Mine.txt"), std::string::npos) << error;
    EXPECT_NE(LanguageTable::read(path).error.find("Mine.txt"), std::string::npos);
}

TEST(LanguageTableTest, ListsLanguageFilesByName)
{
    ScratchFolder folder;
    EXPECT_TRUE(listLanguages(folder / "Languages").empty());
    for (const char* name : {"Swedish.txt", "dutch.txt", "English.txt", "Spanish (Standard).txt",
                             "notes.md", "English.txt.bak", "Russian.TXT"}) {
        writeBytes(folder / "Languages" / name, "x");
    }
    std::filesystem::create_directories(folder / "Languages" / "Folder.txt");
    EXPECT_EQ(listLanguages(folder / "Languages"),
              (std::vector<std::string>{"dutch", "English", "Spanish (Standard)", "Swedish"}));
    EXPECT_EQ(languageFile(folder.path(), "Swedish"), folder / "Languages" / "Swedish.txt");
}

TEST(LanguageTableTest, LanguageCodeAndNames)
{
    const std::vector<std::pair<std::string, int>> codes = {
        {"Dutch", 2},   {"Swedish", 5}, {"Russian", 6}, {"Spanish (Standard)", 7},
        {"English", 9}, {"dutch", 9}};
    for (const auto& [name, code] : codes) {
        EXPECT_EQ(languageCodeFor(name, 9), code) << name;
    }
    for (const char* bad : {"", "..", "../English", "a\\b"}) {
        EXPECT_FALSE(isValidLanguageName(bad)) << bad;
    }
    EXPECT_TRUE(isValidLanguageName("Spanish (Standard)"));
}

} // namespace
} // namespace qv
