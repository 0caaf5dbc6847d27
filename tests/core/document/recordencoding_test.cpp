#include "layoutbuilder.h"

#include "document/recordio.h"
#include "reports/reportstorage.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RecordEncoding, SlotsTakeSixteenBytesWhateverTheirType)
{
    RecordWriter writer;
    writer.putByte(7);
    writer.putStr("");
    writer.putBoolean(true);
    const std::vector<uint8_t>& bytes = writer.bytes();
    // Byte slot: tag 17 and one value byte, padding to 16; an empty text is 00 00.
    ASSERT_EQ(bytes.size(), 16u + 2u + 4u);
    EXPECT_EQ(bytes[0], 17);
    EXPECT_EQ(bytes[2], 7);
    EXPECT_EQ(bytes[3], 0);
    EXPECT_EQ(bytes[16], 0);
    EXPECT_EQ(bytes[17], 0);
    EXPECT_EQ(bytes[18], 11);
    EXPECT_EQ(bytes[20], 0xFF); // True is -1
    EXPECT_EQ(bytes[21], 0xFF);
    EXPECT_EQ(writer.filePos(), 1 + 16 + 2 + 16);
}

TEST(RecordEncoding, ValuesAreReadByTheTagFoundAndConverted)
{
    const std::vector<uint8_t> bytes = LayoutBuilder()
                                           .byteVar(200)
                                           .longVar(-5)
                                           .singleVar(2.5f)
                                           .singleVar(3.5f)
                                           .boolVar(true)
                                           .intVar(300)
                                           .finish();
    RecordReader reader(bytes);
    EXPECT_EQ(reader.getInteger(), 200);         // a Byte slot asked for as Integer
    EXPECT_EQ(reader.getInteger(), -5);          // a Long slot
    EXPECT_EQ(reader.getInteger(), 2);           // 2.5 rounds half to even
    EXPECT_EQ(reader.getLong(), 4);              // 3.5 rounds half to even
    EXPECT_EQ(reader.getInteger(), -1);          // Boolean True
    EXPECT_THROW(reader.getByte(), RecordError); // 300 does not fit a Byte
}

TEST(RecordEncoding, BadDataThrowsWithTheOffset)
{
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        bool text;
    };
    const std::vector<Case> cases = {
        {"unknown tag", {8, 0, 1, 2}, false},
        {"value cut short", {3, 0, 1, 2}, false},
        {"negative text length", {0xFE, 0xFF}, true},
        {"text longer than file", {5, 0, 'a'}, true},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = {0, 0}; // an empty text first, so the offset is 2
        bytes.insert(bytes.end(), c.bytes.begin(), c.bytes.end());
        RecordReader reader(bytes);
        reader.getStr();
        try {
            c.text ? static_cast<void>(reader.getStr()) : static_cast<void>(reader.getLong());
            ADD_FAILURE() << c.what << " was accepted";
        } catch (const RecordError& error) {
            EXPECT_EQ(error.offset(), 2) << c.what;
        }
    }
}

TEST(RecordEncoding, EveryWesternByteSurvivesTheTripThroughUtf8)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const CodePage western = CodePage::western();
    bool lossy = true;
    EXPECT_EQ(western.fromUtf8(western.toUtf8(all), lossy), all);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(western.toUtf8("\x80"), "\xE2\x82\xAC"); // the euro sign
}

TEST(ReportStorage, CountSlotsEqualTheRecordsThatFollow)
{
    Report report;
    report.windowHeight = 6000;
    report.squares.resize(3);
    report.squares[0].visible = false;
    report.squares[2].visible = false;
    report.labels.resize(2);
    RecordWriter writer;
    WriteWalker walker(writer);
    saveReport(walker, report);

    RecordReader reader(writer.bytes());
    reader.getSingle();
    EXPECT_EQ(reader.getSingle(), 4560); // the window's frame is not stored
    reader.getSingle();
    reader.getSingle();
    EXPECT_EQ(reader.getInteger(), 1); // one visible square of three
    reader.setFilePos(1);
    const Report loaded = loadReport(reader);
    EXPECT_EQ(loaded.windowHeight, 6000);
    EXPECT_EQ(loaded.squares.size(), 1u);
    EXPECT_EQ(loaded.labels.size(), 2u);
    EXPECT_EQ(reader.filePos(), writer.filePos());
}

TEST(ReportStorage, LabelOrderFollowsTheColumns)
{
    std::vector<ReportLabel> labels(5);
    const int columns[] = {3, 1, 2, 1, 0};
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i].column = static_cast<uint8_t>(columns[i]);
    const std::vector<int> order = reportLabelOrder(labels);
    std::vector<int> sortedColumns;
    for (int index : order)
        sortedColumns.push_back(labels[static_cast<size_t>(index)].column);
    EXPECT_EQ(sortedColumns, (std::vector<int>{0, 1, 1, 2, 3}));
}

} // namespace
} // namespace qv
