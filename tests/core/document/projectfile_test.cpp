#include "projectfixture.h"
#include "scratchfolder.h"

#include "document/projectfile.h"
#include "document/recordreader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace qv {
namespace {

std::vector<uint8_t> encode(const ProjectDocument& doc, const std::string& path = "/p/a.baf")
{
    ProjectWriteResult written = encodeProject(doc, path);
    EXPECT_TRUE(written.ok) << written.message;
    return written.bytes;
}

ProjectDocument decode(const std::vector<uint8_t>& bytes, const ProjectReadOptions& options = {})
{
    ProjectReadResult read = readProjectBytes(bytes, "a.baf", options);
    EXPECT_TRUE(read.ok()) << read.message;
    return std::move(read.document);
}

std::vector<uint8_t> fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProjectFile, RichDocumentSavesLoadsAndSavesToTheSameBytes)
{
    const std::vector<uint8_t> first = encode(test::richDocument());
    const ProjectDocument loaded = decode(first);
    const std::vector<uint8_t> second = encode(loaded);
    EXPECT_EQ(first, second);
}

TEST(ProjectFile, DeletedObjectsVanishFromTwoPassKindsButStayInFullSections)
{
    const ProjectDocument loaded = decode(encode(test::richDocument()));
    // Squares 0..2 with 2 deleted: compacted to 0..1.
    EXPECT_EQ(loaded.squares.highWater(), 1);
    EXPECT_EQ(loaded.squares[1].page, kAllPages);
    // Titles 1..7 with 5 deleted: six remain, renumbered, "Label 6" now at index 5.
    EXPECT_EQ(loaded.titles.highWater(), 6);
    EXPECT_EQ(loaded.titles[5].caption, "Label 6");
    // Fields and pictures keep their deleted objects with page 95.
    EXPECT_EQ(loaded.fields.highWater(), 3);
    EXPECT_EQ(loaded.fields[2].page, kDeletedPage);
    EXPECT_EQ(loaded.pictures.highWater(), 1);
    EXPECT_EQ(loaded.pictures[1].page, kDeletedPage);
}

TEST(ProjectFile, TextsKeepCommasLineBreaksAndAccents)
{
    const ProjectDocument loaded = decode(encode(test::richDocument()));
    EXPECT_EQ(loaded.settings.windowTitle, "Caf\xC3\xA9 Orders");
    EXPECT_EQ(loaded.fields[1].text, "default, text\r\nline 2");
    EXPECT_EQ(loaded.combos[1].listItems,
              (std::vector<std::string>{"Apple", "Apricot, dried", ""}));
    EXPECT_EQ(loaded.settings.optionalPrograms[9].commandLine, "/usr/bin/calc --x");
    EXPECT_EQ(loaded.settings.surfaceWidth, 9000);
}

TEST(ProjectFile, CyrillicCharsetStoresTextsInItsCodePage)
{
    ProjectDocument doc;
    doc.settings.defaultCharset = 204;
    doc.settings.windowTitle = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"; // Привет
    const std::vector<uint8_t> bytes = encode(doc);
    // "Dat" then the title: 6 single-byte characters.
    ASSERT_GT(bytes.size(), 13u);
    EXPECT_EQ(bytes[5], 6);
    EXPECT_EQ(bytes[7], 0xCF); // П in windows-1251
    EXPECT_EQ(decode(bytes).settings.windowTitle, doc.settings.windowTitle);
}

TEST(ProjectFile, CharactersOutsideTheCodePageAreSavedWithAWarning)
{
    ProjectDocument doc;
    doc.settings.windowTitle = "\xE6\x97\xA5"; // a CJK character in the Western set
    const ProjectWriteResult written = encodeProject(doc, "p");
    ASSERT_TRUE(written.ok);
    EXPECT_EQ(written.warnings.size(), 1u);
}

TEST(ProjectFile, ReportsKeepTheirContentAndColumnOrder)
{
    const ProjectDocument loaded = decode(encode(test::richDocument()));
    ASSERT_EQ(loaded.reportSlots.size(), 3u);
    const Report& report = loaded.reportSlots[1].report;
    EXPECT_EQ(loaded.reportSlots[1].caption, "Orders");
    EXPECT_EQ(report.windowHeight, 6000);
    ASSERT_EQ(report.labels.size(), 3u);
    EXPECT_EQ(report.labels[0].caption, "col 1");
    EXPECT_EQ(report.labels[1].caption, "col 2");
    EXPECT_EQ(report.labels[2].caption, "col 3");
    EXPECT_EQ(report.labels[0].referenceCode, kComboRefBase + 1);
    EXPECT_EQ(report.squares.size(), 1u); // the hidden one is gone
    EXPECT_EQ(report.images[0].imageOption, 1);
}

TEST(ProjectFile, RemovedReportSlotsLowerTheStoredCountAsAnInteger)
{
    ProjectDocument doc = test::richDocument();
    doc.reportSlots.push_back(ReportSlot{"Gone", {}, true});
    doc.reportSlots.push_back(ReportSlot{"Also gone", {}, true});
    const std::vector<uint8_t> bytes = encode(doc);
    const ProjectDocument loaded = decode(bytes);
    EXPECT_EQ(loaded.reportSlots.size(), 3u);
    EXPECT_TRUE(loaded.reportCountStoredAsInteger);
    // A file whose count was lowered saves unchanged.
    EXPECT_EQ(encode(loaded), bytes);
}

TEST(ProjectFile, EmptyReportSlotsAtTheEndOfTheFileRead)
{
    // Each empty slot is only a two-byte caption, close to the end of the file.
    ProjectDocument doc;
    doc.reportSlots.resize(kMaxReportSlots);
    EXPECT_EQ(decode(encode(doc)).reportSlots.size(), static_cast<size_t>(kMaxReportSlots));
}

TEST(ProjectFile, ReaderMendsBlankTitlesAndZeroImageOptions)
{
    ProjectDocument doc;
    doc.titles[doc.titles.append()].caption = "   ";
    doc.titles[doc.titles.append()].visible = false; // a reserved label not placed yet
    ReportSlot slot{"R", {}, false};
    slot.report.images.resize(1);
    slot.report.images[0].imageOption = 0;
    doc.reportSlots.push_back(slot);
    const ProjectDocument loaded = decode(encode(doc));
    EXPECT_EQ(loaded.titles[1].caption, "This Blank Label Was Found, Just Delete Me");
    EXPECT_EQ(loaded.titles[2].caption, "");
    EXPECT_EQ(loaded.reportSlots[1].report.images[0].imageOption, 1);
}

TEST(ProjectFile, PicturesGoToTheWorkFolderUnderSafeDistinctNames)
{
    test::ScratchFolder folder;
    ProjectDocument doc;
    for (const char* name : {"..\\..\\evil.png", "/etc/../logo.png", "logo.png"}) {
        Picture& p = doc.pictures[doc.pictures.append()];
        p.storedFileName = name;
        p.imageBytes =
            std::make_shared<const std::vector<uint8_t>>(std::vector<uint8_t>(name, name + 5));
    }
    ProjectReadOptions options;
    options.pictureWorkFolder = folder.path();
    const std::vector<uint8_t> bytes = encode(doc);
    const ProjectDocument loaded = decode(bytes, options);
    EXPECT_EQ(loaded.pictures[0].sourcePath, (folder.path() / "evil.png").string());
    EXPECT_EQ(loaded.pictures[1].sourcePath, (folder.path() / "logo.png").string());
    EXPECT_EQ(loaded.pictures[2].sourcePath, (folder.path() / "logo-2.png").string());
    EXPECT_EQ(fileBytes(folder.path() / "logo-2.png"),
              std::vector<uint8_t>({'l', 'o', 'g', 'o', '.'}));
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++files;
    EXPECT_EQ(files, 3u);
    // The stored names are kept, so the project saves as it was.
    EXPECT_EQ(encode(loaded), bytes);
}

TEST(ProjectFile, PictureFromDiskIsEmbeddedAndAMissingOneIsDropped)
{
    test::ScratchFolder folder;
    const auto image = folder.path() / "photo.jpg";
    std::ofstream(image, std::ios::binary) << "JPEGDATA";
    ProjectDocument doc;
    doc.pictures[doc.pictures.append()].sourcePath = image.string();
    doc.pictures[doc.pictures.append()].sourcePath = (folder.path() / "gone.jpg").string();
    const ProjectDocument loaded = decode(encode(doc));
    ASSERT_TRUE(loaded.pictures[0].imageBytes);
    EXPECT_EQ(
        std::string(loaded.pictures[0].imageBytes->begin(), loaded.pictures[0].imageBytes->end()),
        "JPEGDATA");
    EXPECT_EQ(loaded.pictures[0].storedFileName, "photo.jpg");
    EXPECT_FALSE(loaded.pictures[1].imageBytes);
    EXPECT_TRUE(loaded.pictures[1].storedFileName.empty());
}

TEST(ProjectFile, EveryTruncationIsRejectedWithAnOffset)
{
    const std::vector<uint8_t> bytes = encode(test::richDocument());
    for (size_t length = 0; length < bytes.size(); length += (length < 400 ? 1 : 97)) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(length));
        const ProjectReadResult read = readProjectBytes(cut, "cut.baf");
        ASSERT_FALSE(read.ok()) << "a file cut at " << length << " bytes was accepted";
        EXPECT_NE(read.message.find("cut.baf"), std::string::npos);
    }
}

TEST(ProjectFile, HostileCountsAndValuesAreRejected)
{
    const std::vector<uint8_t> good = encode(ProjectDocument{});
    // Locate the squares count: the first Integer slot holding -1 after the header.
    struct Case {
        const char* what;
        size_t offset;
        std::vector<uint8_t> patch;
        ProjectReadError expected;
    };
    const std::vector<Case> cases = {
        {"signature", 2, {'X'}, ProjectReadError::NotAProject},
        {"version", 2 + 3 + 2 + 14 + 16 + 2 + 5 + 16 + 2, {22, 0}, ProjectReadError::Unsupported},
        {"icon size",
         2 + 3 + 2 + 14 + 16 + 2 + 5 + 16 + 16 + 2 + 1 + 2,
         {0xFF, 0xFF, 0xFF, 0x7F},
         ProjectReadError::Damaged},
        {"value type", 2 + 3 + 2 + 14, {99, 0}, ProjectReadError::Damaged},
        {"text length", 2 + 3, {0xFF, 0xFF}, ProjectReadError::Damaged},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bad = good;
        std::copy(c.patch.begin(), c.patch.end(), bad.begin() + static_cast<long>(c.offset));
        const ProjectReadResult read = readProjectBytes(bad, "bad.baf");
        EXPECT_EQ(read.error, c.expected) << c.what << ": " << read.message;
    }
}

TEST(ProjectFile, CountPastAKindsLimitIsRejectedBeforeReading)
{
    ProjectDocument doc;
    doc.fields.append();
    std::vector<uint8_t> bytes = encode(doc);
    // Find the field count slot (Integer 1) right after the pictures count (Integer -1).
    const uint8_t picturesThenFields[] = {2, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0,
                                          0, 0, 0,    0,    0, 0, 2, 0, 1, 0};
    auto at = std::search(bytes.begin(), bytes.end(), std::begin(picturesThenFields),
                          std::end(picturesThenFields));
    ASSERT_NE(at, bytes.end());
    at += 16;
    ASSERT_EQ(at[2], 1);
    at[2] = 0xD1; // 2001
    at[3] = 0x07;
    const ProjectReadResult read = readProjectBytes(bytes, "big.baf");
    EXPECT_EQ(read.error, ProjectReadError::Damaged);
    EXPECT_NE(read.message.find("2001"), std::string::npos) << read.message;
}

TEST(ProjectFile, TooLongATextRefusesTheSaveAndKeepsTheOldFile)
{
    test::ScratchFolder folder;
    const auto path = folder.path() / "keep.baf";
    ProjectDocument doc;
    ASSERT_TRUE(saveProjectFile(doc, path).ok);
    const std::vector<uint8_t> before = fileBytes(path);
    doc.fields.append();
    doc.fields[1].fieldFormula.assign(40000, 'x');
    doc.modified = 1;
    const ProjectWriteResult result = saveProjectFile(doc, path);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("Field 1"), std::string::npos) << result.message;
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(doc.modified, 1);
}

TEST(ProjectFile, SaveReplacesALongerFileWholeAndClearsModified)
{
    test::ScratchFolder folder;
    const auto path = folder.path() / "a.baf";
    ProjectDocument big = test::richDocument();
    ASSERT_TRUE(saveProjectFile(big, path).ok);
    ProjectDocument small;
    small.modified = 1;
    ASSERT_TRUE(saveProjectFile(small, path).ok);
    EXPECT_EQ(small.modified, 0);
    EXPECT_EQ(small.projectPath, path.string());
    EXPECT_EQ(fileBytes(path), encode(ProjectDocument{}, path.string()));
}

TEST(ProjectFile, UnreadableOrMissingFilesSayWhich)
{
    test::ScratchFolder folder;
    const ProjectReadResult missing = readProjectFile(folder.path() / "none.baf");
    EXPECT_EQ(missing.error, ProjectReadError::CannotOpen);
    EXPECT_NE(missing.message.find("none.baf"), std::string::npos);
    const ProjectReadResult dir = readProjectFile(folder.path());
    EXPECT_EQ(dir.error, ProjectReadError::CannotOpen);
}

} // namespace
} // namespace qv
