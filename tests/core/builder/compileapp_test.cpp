#include "builder/compileapp.h"
#include "builder/datablockreader.h"
#include "builder/designsurface.h"
#include "document/projectfixture.h"
#include "document/scratchfolder.h"
#include "buildfixture.h"
#include "fakeruntime.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::optionsFor;

std::vector<uint8_t> readAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string utf16At(const std::vector<uint8_t>& image, size_t at, size_t characters)
{
    std::string text;
    for (size_t i = 0; i < characters; ++i)
        text.push_back(static_cast<char>(image[at + 2 * i]));
    return text;
}

ProjectDocument buildableDocument()
{
    ProjectDocument doc = test::richDocument();
    doc.fields[1].maxLength = 30;
    doc.settings.versionTexts[0] = "Acme Ltd";
    doc.settings.filePlates[5] = {"xml", ""};
    return doc;
}

TEST(CompileApp, WritesTheExecutablePicturesAndReadableData)
{
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    std::vector<double> progress;
    BuildOptions options = optionsFor(scratch.path(), "Orders");
    options.progress = [&](const std::string&, double done) { progress.push_back(done); };
    const BuildResult result = CompileApp(doc, options);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.executable, scratch.path() / "Orders" / "Orders.exe");
    EXPECT_GT(progress.size(), 18u);
    EXPECT_EQ(progress.back(), 1.0);

    const std::vector<uint8_t> exe = readAll(result.executable);
    EXPECT_EQ(utf16At(exe, test::kFakeCompanyAt, 9), std::string("Acme Ltd") + '\0');
    EXPECT_EQ(exe[test::kFakeIconAt], 0x44) << "icon pixels patched";
    const AppFileRead read = ReadAppFile(exe, "Orders.exe");
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.data.helpFileName, "Orders.chm");
    EXPECT_EQ(readAll(scratch.path() / "Orders" / "Orders1.png"),
              (std::vector<uint8_t>{0x89, 'P', 'N', 'G', 0, 1, 2}));
    // The document keeps the generated names and plates.
    EXPECT_EQ(doc.combos[1].tag, "Combo_Field_1");
    EXPECT_EQ(doc.settings.filePlates[5].templateText.rfind("<?xml version=", 0), 0u);
    EXPECT_EQ(read.data.filePlates[5].templateText, doc.settings.filePlates[5].templateText);
    EXPECT_EQ(read.data.filePlates[3].templateText, "<a>F1:</a>\r\n") << "a written plate stays";
    EXPECT_EQ(doc.settings.searchTexts[10], "0");
}

TEST(CompileApp, ReplacesTheOriginalFileNameOnlyWhenTheNameFits)
{
    test::ScratchFolder scratch;
    struct Case {
        std::string name;
        std::string expected;
    };
    const Case cases[] = {
        {"ElevenChars", "ElevenChars.exe"},
        {"TwelveCharsX", "Application.exe"},
        {"Abc", std::string("Abc.exe") + std::string(8, '\0')},
    };
    for (const Case& c : cases) {
        ProjectDocument doc = buildableDocument();
        const BuildResult result = CompileApp(doc, optionsFor(scratch.path(), c.name));
        ASSERT_TRUE(result.ok) << result.message;
        EXPECT_EQ(utf16At(readAll(result.executable), test::kFakeOriginalAt, 15), c.expected);
    }
}

TEST(CompileApp, RefusesBeforeWritingAnything)
{
    test::ScratchFolder scratch;
    ProjectDocument small = test::richDocument();
    BuildResult result = CompileApp(small, optionsFor(scratch.path(), "Small"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.messageNumber, 298);

    ProjectDocument huge = buildableDocument();
    huge.titles[2].caption = std::string(40000, 'x');
    result = CompileApp(huge, optionsFor(scratch.path(), "Huge"));
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("Title 2"), std::string::npos) << result.message;

    ProjectDocument doc = buildableDocument();
    for (const char* name : {"", "..", "a/b", "what?"}) {
        result = CompileApp(doc, optionsFor(scratch.path(), name));
        EXPECT_FALSE(result.ok) << name;
    }
    EXPECT_TRUE(fs::is_empty(scratch.path()));
}

TEST(CompileApp, AFailedWriteRemovesTheOutputAndIsNoSuccess)
{
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    // A folder where the executable should go makes the write of an earlier build's
    // folder fail.
    fs::create_directories(scratch.path() / "Busy" / "Busy.exe");
    std::ofstream(scratch.path() / "Busy" / ".quorvalle-build");
    const BuildResult result = CompileApp(doc, optionsFor(scratch.path(), "Busy"));
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("Busy.exe"), std::string::npos) << result.message;
    EXPECT_FALSE(fs::exists(scratch.path() / "Busy" / "Busy1.png"));
    EXPECT_TRUE(fs::is_directory(scratch.path() / "Busy" / "Busy.exe")) << "not ours to remove";
}

TEST(CompileApp, KeepsTheApplicationWhenTheInstallerIsNotMade)
{
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    doc.settings.versionTexts[7] = "A licence longer than ten characters";
    BuildOptions options = optionsFor(scratch.path(), "Kept");
    options.createSetup = true;
    options.programFolder = scratch.path() / "program";
    const BuildResult result = CompileApp(doc, options);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_FALSE(result.installerMade);
    EXPECT_TRUE(fs::exists(scratch.path() / "Kept" / "Kept.exe"));
    EXPECT_TRUE(fs::exists(scratch.path() / "Kept" / "Kept.iss"));
    EXPECT_TRUE(fs::exists(scratch.path() / "Kept" / "License.txt"));
    ASSERT_FALSE(result.warnings.empty());
    EXPECT_NE(result.warnings.back().find("installer was not made"), std::string::npos);
    EXPECT_EQ(doc.settings.versionTexts[5], "1") << "version default kept in the document";
}

TEST(CompileApp, LeavesOnlyTheInstallerWhenTheCompilerMadeIt)
{
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    BuildOptions options = optionsFor(scratch.path(), "Setup");
    options.createSetup = true;
    options.programFolder = scratch.path() / "program";
    fs::create_directories(options.programFolder / "InnoSetup");
    std::ofstream(options.programFolder / "InnoSetup" / "ISCC.exe") << "compiler";
    std::string argument;
    options.runAndWait = [&](const fs::path&, const std::string& arg, const fs::path& folder) {
        argument = arg;
        std::ofstream(folder / "Setup_Setup.exe") << "installer";
    };
    // The progress captions are the language's texts.
    options.language.setText(text::CreatingApplication, "Programmet skapas...");
    options.language.setText(text::WriteSetupScript, "Installationsskriptet skrivs");
    options.language.setText(text::CompileSetup, "Installationen kompileras");
    std::vector<std::string> captions;
    options.progress = [&](const std::string& caption, double) {
        if (captions.empty() || captions.back() != caption)
            captions.push_back(caption);
    };
    const BuildResult result = CompileApp(doc, options);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(captions, (std::vector<std::string>{"Programmet skapas...",
                                                  "Installationsskriptet skrivs",
                                                  "Installationen kompileras", ""}));
    EXPECT_TRUE(result.installerMade);
    EXPECT_EQ(argument, "Setup.iss");
    EXPECT_FALSE(fs::exists(scratch.path() / "Setup" / "Setup.exe"));
    EXPECT_FALSE(fs::exists(scratch.path() / "Setup" / "Setup.iss"));
    EXPECT_TRUE(fs::exists(scratch.path() / "Setup" / "Setup1.png"));
}

TEST(CompileApp, CopiesToolBoxImagesAndTheBackgroundTileWhenAskedFor)
{
    test::ScratchFolder scratch;
    const fs::path program = scratch.path() / "program";
    fs::create_directories(program / "Images");
    for (int n = 100000; n <= 100064; ++n)
        std::ofstream(program / "Images" / (std::to_string(n) + ".GIF")) << n;
    std::ofstream(program / "main.jpg") << "tile";

    ProjectDocument doc = buildableDocument();
    BuildOptions options = optionsFor(scratch.path(), "Plain");
    options.programFolder = program;
    doc.pictures[1].stretch = false;
    ASSERT_TRUE(CompileApp(doc, options).ok);
    EXPECT_FALSE(fs::exists(scratch.path() / "Plain" / "Images"));
    EXPECT_FALSE(fs::exists(scratch.path() / "Plain" / "0.jpg"));

    doc.settings.toolBoxField = 1;
    doc.pictures[1].stretch = true; // picture 0 does not count, picture 1 does
    options.appName = "Tools";
    ASSERT_TRUE(CompileApp(doc, options).ok);
    EXPECT_EQ(readAll(scratch.path() / "Tools" / "Images" / "100064.GIF").size(), 6u);
    EXPECT_EQ(readAll(scratch.path() / "Tools" / "0.jpg").size(), 4u);
}

TEST(CompileApp, ClearsTheFilesOfAnEarlierBuildButNeverAFolderOfTheUsers)
{
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    ASSERT_TRUE(CompileApp(doc, optionsFor(scratch.path(), "Again")).ok);
    std::ofstream(scratch.path() / "Again" / "old.txt") << "old";
    ASSERT_TRUE(CompileApp(doc, optionsFor(scratch.path(), "Again")).ok);
    EXPECT_TRUE(fs::exists(scratch.path() / "Again" / "old.txt")) << "the user's file is kept";
    EXPECT_TRUE(fs::exists(scratch.path() / "Again" / "Again.exe"));

    fs::create_directories(scratch.path() / "Letters");
    std::ofstream(scratch.path() / "Letters" / "thesis.txt") << "years of work";
    const BuildResult refused = CompileApp(doc, optionsFor(scratch.path(), "Letters"));
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.message.find("Letters"), std::string::npos) << refused.message;
    EXPECT_TRUE(fs::exists(scratch.path() / "Letters" / "thesis.txt"));
    EXPECT_FALSE(fs::exists(scratch.path() / "Letters" / "Letters.exe"));
}

TEST(CompileApp, KeepsTheRecordsTheApplicationKeptInItsFolder)
{
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    doc.settings.dataFileExtension = "dat";
    ASSERT_TRUE(CompileApp(doc, optionsFor(scratch.path(), "Kept")).ok);
    const fs::path folder = scratch.path() / "Kept";
    for (const char* name : {"Kept.dat", "Kept.dat-wal", "Kept.dat-shm", "Other.dat", "Kept.db"})
        std::ofstream(folder / name) << "records";
    const BuildResult again = CompileApp(doc, optionsFor(scratch.path(), "Kept"));
    ASSERT_TRUE(again.ok);
    for (const char* name : {"Kept.dat", "Kept.dat-wal", "Kept.dat-shm", "Other.dat", "Kept.db"})
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    // The application's own records are no news; anything else the user left is named.
    ASSERT_EQ(again.warnings.size(), 1u);
    EXPECT_NE(again.warnings[0].find("Kept.db, Other.dat"), std::string::npos) << again.warnings[0];
    EXPECT_EQ(again.warnings[0].find("Kept.dat"), std::string::npos) << again.warnings[0];
}

TEST(CompileApp, SuggestsTheTitleForAnEmptyOrOverlongName)
{
    const std::string title61 = std::string(59, 'a') + "\xC3\xA9z";
    EXPECT_EQ(SuggestedAppName("", "Orders"), "Orders");
    EXPECT_EQ(SuggestedAppName("Shop", "Orders"), "Shop");
    EXPECT_EQ(SuggestedAppName(std::string(61, 'n'), title61), std::string(59, 'a') + "\xC3\xA9");
    EXPECT_EQ(SuggestedAppName(std::string(60, 'n'), "Orders"), std::string(60, 'n'));
}

TEST(DesignSurface, SizeFollowsThePageSizeCode)
{
    struct Case {
        int code;
        bool landscape;
        float width, height; // twips
    };
    const Case cases[] = {
        {0, false, 12240, 15840},  // Letter
        {12, false, 11906, 16838}, // A4 portrait
        {12, true, 16838, 11906},  // A4 landscape
        {23, true, 20490, 11520},  // touch screen, not turned
        {99, false, 12240, 15840}, // unknown: Letter
    };
    for (const Case& c : cases) {
        AppSettings settings;
        settings.pageSizeCode = static_cast<int16_t>(c.code);
        settings.pageSize20Checked = c.landscape;
        const SurfaceSize size = DesignSurfaceSize(settings);
        EXPECT_NEAR(size.width, c.width, 1.0) << c.code;
        EXPECT_NEAR(size.height, c.height, 1.0) << c.code;
    }
    AppSettings custom;
    custom.pageSizeCode = kPageSizeCustom;
    custom.surfaceWidth = 9000;
    custom.surfaceHeight = 6000;
    EXPECT_EQ(DesignSurfaceSize(custom).width, 9000);
}

} // namespace
} // namespace qv
