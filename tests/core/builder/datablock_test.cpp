#include "builder/aboutcharmap.h"
#include "builder/appdatabuilder.h"
#include "builder/datablockreader.h"
#include "builder/datablockwalker.h"
#include "builder/datablockwriter.h"
#include "document/projectfixture.h"
#include "fakeruntime.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qv {
namespace {

int16_t word16(const std::vector<uint8_t>& bytes, size_t at)
{
    int16_t v = 0;
    std::memcpy(&v, bytes.data() + at, 2);
    return v;
}

int32_t trailerOf(const std::vector<uint8_t>& file)
{
    int32_t v = 0;
    std::memcpy(&v, file.data() + file.size() - 4, 4);
    return v;
}

// A document whose texts are all empty, so that every KeyStr is its two length bytes.
ProjectDocument emptyDesign()
{
    ProjectDocument doc;
    doc.settings.windowTitle.clear();
    doc.settings.csvDelimiter.clear();
    doc.settings.defaultFontName.clear();
    doc.settings.statisticsCaption.clear();
    return doc;
}

TEST(DataBlock, KeyStrLengthsAreMaskedWithTheRuntimesKeyBytes)
{
    ProjectDocument doc = emptyDesign();
    doc.settings.aboutText = "Hi";
    const std::vector<uint8_t> runtime = test::fakeRuntime();
    const AppData data = BuildAppData(doc, "App", {2026, 1, 2}).data;
    const std::vector<uint8_t> file = WriteAppFile(runtime, data);
    const size_t n = runtime.size(); // the block starts at 1-based N, 0-based N - 1
    // First KeyStr: the About text, masked with the byte at offset 101.
    EXPECT_EQ(word16(file, n - 1), 2 + runtime[101]);
    EXPECT_EQ(static_cast<uint8_t>(file[n + 1]), AboutCharOut('H'));
    // Second KeyStr: "csv" after three value slots, masked with the byte at offset 103.
    const size_t second = n - 1 + 2 + 2 + 3 * 16;
    EXPECT_EQ(word16(file, second), 3 + runtime[103]);
    EXPECT_EQ(std::string(file.begin() + second + 2, file.begin() + second + 5), "csv");
    // An empty text is its key byte alone: the replace-menu caption is the fourth KeyStr.
    const size_t fourth = second + 5 + 16 + 3 * 16 + 16 + 16 + 3;
    EXPECT_EQ(word16(file, fourth), runtime[107]);
}

TEST(DataBlock, TrailerOfAnEmptyDesignCountsHeaderAndCountRecords)
{
    const std::vector<uint8_t> runtime = test::fakeRuntime();
    const AppData data = BuildAppData(emptyDesign(), "Empty", {2026, 1, 2}).data;
    const std::vector<uint8_t> file = WriteAppFile(runtime, data);
    // Header 356, nine counts 144, window settings 184 + "Empty.chm", texts 202, search
    // settings 440, web-script count 16, plates 142, report count 16, last picture 2.
    EXPECT_EQ(trailerOf(file), 1502 + 9);
    EXPECT_EQ(static_cast<int64_t>(file.size()),
              static_cast<int64_t>(runtime.size()) - 1 + 1511 + 4);
}

TEST(DataBlock, WhatTheBuilderWritesTheReaderReadsBack)
{
    ProjectDocument doc = test::richDocument();
    PrepareDocumentForBuild(doc);
    const std::vector<uint8_t> runtime = test::fakeRuntime();
    const AppData data = BuildAppData(doc, "Orders", {2026, 3, 4}).data;
    const std::vector<uint8_t> file = WriteAppFile(runtime, data);

    const AppFileRead read = ReadAppFile(file, "Orders.exe");
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.runtimeLength, static_cast<int64_t>(runtime.size()));
    EXPECT_TRUE(read.hasFieldExtras);
    // Written again from what was read, the file is the same byte for byte.
    std::vector<uint8_t> image(file.begin(), file.begin() + static_cast<long>(runtime.size()));
    EXPECT_EQ(WriteAppFile(image, read.data), file);

    const AppData& back = read.data;
    EXPECT_EQ(back.windowTitle, "Caf\xC3\xA9 Orders");
    EXPECT_EQ(back.aboutText, "About, with comma\rand a second line");
    ASSERT_EQ(back.squares.size(), 3u);
    EXPECT_EQ(back.squares[2].page, kDeletedPage);
    ASSERT_EQ(back.titles.size(), 7u);
    EXPECT_EQ(back.titles[6].caption, "Label 7");
    ASSERT_EQ(back.fields.size(), 3u);
    EXPECT_TRUE(back.fields[0].frameInUse);
    EXPECT_TRUE(back.fields[0].hasFormula);
    EXPECT_EQ(back.fieldFormulas[1], "F1+F2");
    EXPECT_EQ(back.fieldTexts[2], "default, text\r\nline 2");
    ASSERT_EQ(back.combos.size(), 1u);
    EXPECT_EQ(back.combos[0].listItems, (std::vector<std::string>{"Apple", "Apricot, dried", ""}));
    EXPECT_EQ(back.combos[0].tag, "Combo_Field_1");
    ASSERT_EQ(back.pictures.size(), 2u);
    EXPECT_EQ(back.pictures[0].fileName, "Orders1.png");
    EXPECT_EQ(back.pictures[0].bytes, (std::vector<uint8_t>{0x89, 'P', 'N', 'G', 0, 1, 2}));
    EXPECT_EQ(back.pictures[1].picture.page, kDeletedPage);
    ASSERT_EQ(back.scripts.size(), 1u);
    EXPECT_EQ(back.scripts[0].page, 1);
    ASSERT_EQ(back.reports.size(), 3u);
    EXPECT_EQ(back.reports[1].caption, "Orders");
    ASSERT_EQ(back.reports[1].report.labels.size(), 3u);
    EXPECT_EQ(back.reports[1].report.labels[0].caption, "col 1");
    EXPECT_EQ(back.reports[1].report.squares.size(), 1u);
    EXPECT_EQ(back.reports[2].caption, "");
    EXPECT_EQ(back.filePlates[3].templateText, "<a>F1:</a>\r\n");
    EXPECT_EQ(back.functionKeyTexts[0], "F2 text");
    EXPECT_EQ(back.buildDate, BuildDateNumber({2026, 3, 4}));
    EXPECT_FALSE(back.baseButtonsVisible);
}

TEST(DataBlock, OptionalProgramsAndPageCaptionsFollowTheFieldExtras)
{
    ProjectDocument doc = emptyDesign();
    doc.settings.optionalPrograms[3] = {true, "Mail", "mailer --new"};
    doc.settings.pageButtonCaptions[1] = "Address";
    const std::vector<uint8_t> runtime = test::fakeRuntime();
    const std::vector<uint8_t> plain =
        WriteAppFile(runtime, BuildAppData(emptyDesign(), "Empty", {2026, 1, 2}).data);
    const std::vector<uint8_t> file =
        WriteAppFile(runtime, BuildAppData(doc, "Empty", {2026, 1, 2}).data);
    EXPECT_GT(file.size(), plain.size());

    const AppFileRead read = ReadAppFile(file, "Empty.exe");
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_TRUE(read.data.optionalPrograms[3].visible);
    EXPECT_EQ(read.data.optionalPrograms[3].commandLine, "mailer --new");
    EXPECT_EQ(read.data.pageButtonCaptions[1], "Address");
    EXPECT_EQ(read.data.pageButtonCaptions[0], "Page 1");
    // A block without them reads with the defaults.
    const AppFileRead older = ReadAppFile(plain, "Empty.exe");
    ASSERT_TRUE(older.ok) << older.message;
    EXPECT_FALSE(older.data.optionalPrograms[3].visible);
    EXPECT_EQ(older.data.pageButtonCaptions[1], "Page 2");
}

TEST(DataBlock, TextsTravelInTheDocumentsCodePage)
{
    ProjectDocument doc = emptyDesign();
    doc.settings.defaultCharset = 204;                                     // Cyrillic
    doc.settings.windowTitle = "\xD0\x97\xD0\xB0\xD0\xBA\xD0\xB0\xD0\xB7"; // "Заказ"
    const std::vector<uint8_t> file =
        WriteAppFile(test::fakeRuntime(), BuildAppData(doc, "A", {2026, 1, 1}).data);
    const AppFileRead read = ReadAppFile(file, "A.exe");
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.data.windowTitle, doc.settings.windowTitle);
    EXPECT_EQ(read.data.defaultCharset, 204);
}

TEST(DataBlock, NamesTextsThatTheCodePageCannotHold)
{
    ProjectDocument doc = emptyDesign();
    doc.settings.commonLabels[2] = "snow \xE2\x98\x83"; // a snowman is not in windows-1252
    std::vector<std::string> warnings;
    const std::vector<uint8_t> file =
        WriteAppFile(test::fakeRuntime(), BuildAppData(doc, "A", {2026, 1, 1}).data, {}, &warnings);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("common labels"), std::string::npos) << warnings[0];
    const AppFileRead read = ReadAppFile(file, "A.exe");
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.data.commonLabels[2], "snow ?");
}

TEST(DataBlock, RefusesATextLongerThanItsLengthWordHolds)
{
    ProjectDocument doc = emptyDesign();
    doc.settings.functionKeyTexts[3] = std::string(32767, 'x');
    const AppData data = BuildAppData(doc, "A", {2026, 1, 1}).data;
    try {
        WriteAppFile(test::fakeRuntime(), data);
        FAIL() << "a 32767-byte text with a key byte above 0 was written";
    } catch (const BuildRefused& refused) {
        EXPECT_NE(std::string(refused.what()).find("function-key"), std::string::npos)
            << refused.what();
    }
}

TEST(DataBlock, ReaderNamesWhatIsWrongWithAFile)
{
    const std::vector<uint8_t> runtime = test::fakeRuntime();
    const AppFileRead plain = ReadAppFile(runtime, "runtime.exe");
    EXPECT_FALSE(plain.ok);
    EXPECT_NE(plain.message.find("runtime.exe"), std::string::npos) << plain.message;

    std::vector<uint8_t> file =
        WriteAppFile(runtime, BuildAppData(test::richDocument(), "A", {2026, 1, 1}).data);
    for (size_t cut : {size_t{10}, size_t{200}, size_t{5000}}) {
        std::vector<uint8_t> damaged(file.begin(), file.end() - static_cast<long>(cut) - 4);
        const auto len = static_cast<int32_t>(trailerOf(file) - static_cast<int32_t>(cut));
        damaged.resize(damaged.size() + 4);
        std::memcpy(damaged.data() + damaged.size() - 4, &len, 4);
        const AppFileRead read = ReadAppFile(damaged, "A.exe");
        EXPECT_FALSE(read.ok) << "cut " << cut;
        EXPECT_NE(read.message.find("A.exe"), std::string::npos) << read.message;
    }
}

} // namespace
} // namespace qv
