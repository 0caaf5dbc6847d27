#include "records/csvexport.h"
#include "records/csvimport.h"
#include "records/csvreader.h"

#include "document/scratchfolder.h"
#include "recordsfixture.h"

#include <fstream>

namespace qv {
namespace {

using test::C;
using test::F;
using test::K;
using test::M;

TEST(CsvFormatTest, DesignTextsBecomeSafeDelimitersAndExtensions)
{
    struct Case {
        const char* delimiter;
        const char* extension;
        const char* wantDelimiter;
        const char* wantExtension;
    } cases[] = {
        {",", "csv", ",", "csv"},      {"", "", ",", "csv"},
        {" ; ", ".TXT", ";", "txt"},   {"\\t", "tsv", "\t", "tsv"},
        {"TAB", "..dat", "\t", "dat"}, {"\t", "c s v", "\t", "csv"},
        {"\"", "../x", ",", "csv"},    {"|", "my-data_1", "|", "my-data_1"},
        {"§", "é", "§", "csv"},        {"\n", "CSV", ",", "csv"},
    };
    for (const Case& c : cases) {
        const CsvFormat format = CsvFormat::fromDesign(c.delimiter, c.extension);
        EXPECT_EQ(format.delimiter, c.wantDelimiter) << c.delimiter;
        EXPECT_EQ(format.extension, c.wantExtension) << c.extension;
    }
    EXPECT_EQ(CsvFormat::fromDesign(";", "TXT").fileName("Orders"), "Orders.txt");
}

TEST(CsvExportTest, HeaderAndQuotingFollowRfc4180)
{
    const AppData design = test::invoiceDesign();
    const auto columns = RecordSchema(design).columns();
    MemoryRecordSet records;
    records.add()
        .set(F(1), "Smith, \"Bob\"")
        .set(F(2), "3")
        .set(M(1), "two\r\nlines")
        .set(K(0), "1");
    records.add().set(F(1), " padded").set(C(1), "Post");
    const std::string text = csvText(records, columns, CsvFormat{});
    EXPECT_EQ(text, "Customer,Quantity,Price,Total,Delivery,Paid,Remarks\r\n"
                    "\"Smith, \"\"Bob\"\"\",3,,,,1,\"two\r\nlines\"\r\n"
                    "\" padded\",,,,Post,,\r\n");
    // With another delimiter a comma needs no quotes, the delimiter does.
    EXPECT_EQ(csvCell("a,b", CsvFormat{";", "csv"}), "a,b");
    EXPECT_EQ(csvCell("a;b", CsvFormat{";", "csv"}), "\"a;b\"");
}

TEST(CsvExportTest, EveryValueSurvivesARoundTripWithEachDelimiter)
{
    const AppData design = test::invoiceDesign();
    const auto columns = RecordSchema(design).columns();
    MemoryRecordSet records = test::invoices();
    records.add()
        .set(F(1), "Ünïcødé \"quoted\" ;|\t, end ")
        .set(M(1), "line 1\nline 2\r\n\r\nline 4\r")
        .set(C(1), "\"")
        .set(K(0), "0");
    for (const char* delimiter : {",", ";", "\t", "|", "§"}) {
        const CsvFormat format{delimiter, "csv"};
        const std::string text = csvText(records, columns, format);
        const CsvImport read = importCsv(text, "round.csv", columns, format);
        ASSERT_TRUE(read.ok) << delimiter << ": " << read.message;
        ASSERT_EQ(read.records.size(), records.size());
        for (size_t r = 0; r < records.size(); ++r) {
            for (size_t c = 0; c < columns.size(); ++c) {
                std::string want = records.records()[r].value(columns[c].object);
                if (columns[c].object.kind == InputKind::Checkbox && want.empty())
                    want = "0";
                EXPECT_EQ(read.records[r][c], want)
                    << delimiter << " record " << r << " " << columns[c].name;
            }
        }
    }
}

TEST(CsvExportTest, ARecordOfOneEmptyValueIsNotLost)
{
    AppData design;
    BlockField only;
    only.field.tag = "Name";
    only.searchLabel = "Name";
    design.fields.push_back(only);
    const auto columns = RecordSchema(design).columns();
    MemoryRecordSet records;
    records.add().set(F(1), "");
    records.add().set(F(1), "x");
    const std::string text = csvText(records, columns, CsvFormat{});
    EXPECT_EQ(text, "Name\r\n\"\"\r\nx\r\n");
    EXPECT_EQ(importCsv(text, "one.csv", columns, CsvFormat{}).records.size(), 2u);
}

TEST(CsvReaderTest, RecordsKeepTheLineTheyStartOn)
{
    CsvReader reader("a,\"b\nc\"\r\n\r\n\"x\" , y\rlast", ",");
    CsvRecord record;
    std::vector<std::pair<size_t, std::vector<std::string>>> got;
    while (reader.next(record)) {
        EXPECT_EQ(record.error, "");
        got.emplace_back(record.line, record.cells);
    }
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], (std::pair<size_t, std::vector<std::string>>{1, {"a", "b\nc"}}));
    EXPECT_EQ(got[1], (std::pair<size_t, std::vector<std::string>>{4, {"x", " y"}}));
    EXPECT_EQ(got[2], (std::pair<size_t, std::vector<std::string>>{5, {"last"}}));
}

// Files that are refused, each with the line and reason it is refused for.
TEST(CsvImportTest, ARefusedFileYieldsNothingAndNamesEachLine)
{
    const AppData design = test::invoiceDesign();
    const auto columns = RecordSchema(design).columns();
    const std::string header = "Customer,Quantity,Price,Total,Delivery,Paid,Remarks\r\n";
    struct Case {
        std::string text;
        std::vector<CsvRejectedLine> want;
    } cases[] = {
        {header + "a,1,2,3,Post,1,x\r\nb,1,2,3\r\n", {{3, "has 4 values, 7 expected"}}},
        {header + "a,1,2,3,Post,1,\"open\r\nb,1\r\n",
         {{2, "a quoted value that starts on line 2 is not closed"}}},
        {header + "a 5\" disk,1,2,3,Post,1,x\r\n",
         {{2, "value 1 holds a double quote but is not in double quotes"}}},
        {header + "\"a\"b,1,2,3,Post,1,x\r\nok,1,2,3,Post,1,x\r\n",
         {{2, "value 1 has text after its closing quote"}}},
        {header + "a,many,2,3,Post,1,x\r\n",
         {{2, "\"Quantity\" holds numbers: \"many\" is no number"}}},
        {header + "a,1,2,3,Post,maybe,x\r\n",
         {{2, "\"Paid\" is a check box: \"maybe\" is none of 0, 1, -1, true, false, yes, no"}}},
        {header + std::string(41, 'x') + ",1,2,3,Post,1,x\r\nb,1234567,2,3,Post,1,x\r\n",
         {{2, "\"Customer\" has 41 characters, at most 40 fit"},
          {3, "\"Quantity\" has 7 characters, at most 6 fit"}}},
        {header + std::string("a\0b,1,2,3,Post,1,x\r\n", 20),
         {{2, "\"Customer\" holds a NUL character"}}},
        {"Customer,Colour,customer\r\na,b,c\r\n",
         {{1, "no field, notes box, combo box or check box is named \"Colour\""},
          {1, "the column \"customer\" is named twice"}}},
        {"a,b\r\n", {{1, "has 2 values, 7 expected"}}},
    };
    for (const Case& c : cases) {
        const CsvImport read = importCsv(c.text, "in.csv", columns, CsvFormat{});
        EXPECT_FALSE(read.ok) << c.text;
        EXPECT_TRUE(read.records.empty()) << c.text;
        ASSERT_EQ(read.rejected.size(), c.want.size()) << c.text;
        for (size_t i = 0; i < c.want.size(); ++i) {
            EXPECT_EQ(read.rejected[i].line, c.want[i].line) << c.text;
            EXPECT_EQ(read.rejected[i].reason, c.want[i].reason) << c.text;
        }
        EXPECT_NE(read.message.find("in.csv: "), std::string::npos);
        EXPECT_NE(read.message.find("nothing was imported"), std::string::npos);
    }
}

TEST(CsvImportTest, HeaderInAnyOrderOrNoneAtAll)
{
    const AppData design = test::invoiceDesign();
    const auto columns = RecordSchema(design).columns();
    // Named columns in any order and case; the others stay empty (a check box unchecked).
    CsvImport read = importCsv("\xEF\xBB\xBF PAID ;customer\nyes;Jones\n\n-1;\"Smith; Ltd\"\n",
                               "h.csv", columns, CsvFormat{";", "csv"});
    ASSERT_TRUE(read.ok) << read.message;
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[0], (std::vector<std::string>{"Jones", "", "", "", "", "1", ""}));
    EXPECT_EQ(read.records[1][0], "Smith; Ltd");

    // Without names the values come in export order, from the first line on.
    read = importCsv("Jones,2,\"1,000.50\",,Post,0,\n", "n.csv", columns, CsvFormat{});
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.records[0],
              (std::vector<std::string>{"Jones", "2", "1,000.50", "", "Post", "0", ""}));

    // A locale that writes a decimal comma reads its own numbers.
    CsvImportOptions german;
    german.locale = FormulaLocale::fromIcu("de_DE");
    read =
        importCsv("Quantity;Price\n2;1.000,50\n", "de.csv", columns, CsvFormat{";", "csv"}, german);
    EXPECT_TRUE(read.ok) << read.message;

    read = importCsv("Customer\r\n", "empty.csv", columns, CsvFormat{});
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.message, "empty.csv: the file holds no records");
}

TEST(CsvImportTest, TextThatIsNotUtf8IsReadInTheDesignsCodePage)
{
    const AppData design = test::invoiceDesign();
    const auto columns = RecordSchema(design).columns();
    CsvImportOptions options;
    options.defaultCharset = 0;
    CsvImport read = importCsv("Customer\r\nM\xFCller\r\n", "w.csv", columns, CsvFormat{}, options);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.records[0][0], "Müller");
    EXPECT_EQ(read.codePage, "windows-1252");
    options.defaultCharset = 204;
    read = importCsv("Customer\r\n\xC8\xE2\xE0\xED\r\n", "c.csv", columns, CsvFormat{}, options);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.records[0][0], "Иван");
}

TEST(CsvImportTest, ManyBadLinesAreCountedAndTheListIsBounded)
{
    const AppData design = test::invoiceDesign();
    const auto columns = RecordSchema(design).columns();
    std::string text = "Customer,Quantity\r\n";
    for (size_t i = 0; i < kMaxReportedLines + 10; ++i)
        text += "x,NaN\r\n";
    const CsvImport read = importCsv(text, "big.csv", columns, CsvFormat{});
    EXPECT_EQ(read.rejectedCount, kMaxReportedLines + 10);
    EXPECT_EQ(read.rejected.size(), kMaxReportedLines);
    EXPECT_EQ(read.message, "big.csv: 1010 lines were rejected; nothing was imported");
}

TEST(CsvFileTest, ExportReplacesAFileWholeAndImportReadsIt)
{
    test::ScratchFolder folder;
    const AppData design = test::invoiceDesign();
    const auto columns = RecordSchema(design).columns();
    const MemoryRecordSet records = test::invoices();
    const auto path = folder.path() / "Orders.csv";
    const CsvExport written = exportCsvFile(path, records, columns, CsvFormat{});
    ASSERT_TRUE(written.ok) << written.message;
    EXPECT_EQ(written.records, 4u);
    const CsvImport read = importCsvFile(path, columns, CsvFormat{});
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.records.size(), 4u);
    EXPECT_EQ(read.records[3][0], "Müller");

    const CsvImport missing = importCsvFile(folder.path() / "none.csv", columns, CsvFormat{});
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("none.csv"), std::string::npos);

    // A file that cannot be replaced keeps what it held.
    const auto blocked = folder.path() / "blocked";
    std::filesystem::create_directory(blocked);
    const CsvExport failed = exportCsvFile(blocked, records, columns, CsvFormat{});
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message.find("blocked"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(blocked));

    // Records that cannot be read to the end write nothing, and an older file stays.
    const test::BrokenRecordSet broken(records, 2);
    const CsvExport half = exportCsvFile(path, broken, columns, CsvFormat{});
    EXPECT_FALSE(half.ok);
    EXPECT_NE(half.message.find("the disk image is malformed"), std::string::npos);
    EXPECT_EQ(importCsvFile(path, columns, CsvFormat{}).records.size(), 4u);
}

} // namespace
} // namespace qv
