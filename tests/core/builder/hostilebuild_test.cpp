// Builds under hostile conditions: a full disk, a read-only folder, files of the user's in
// the output folder, texts that would write lines of their own into the setup script, a
// picture that names a file in the current folder, damaged numbers in a data block.

#include "builder/buildfolder.h"
#include "builder/compileapp.h"
#include "builder/datablockreader.h"
#include "builder/datablockwriter.h"
#include "builder/setupscript.h"
#include "document/projectfile.h"
#include "document/projectfixture.h"
#include "document/scratchfolder.h"
#include "buildfixture.h"
#include "fakeruntime.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <limits>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::optionsFor;

ProjectDocument buildableDocument()
{
    ProjectDocument doc = test::richDocument();
    doc.fields[1].maxLength = 30;
    return doc;
}

// Runs `build` in a child process with `limit` applied first and returns the build's
// message ("" when it succeeded). The limits (a file size, another user) must not reach
// the test itself.
std::string buildInChild(const std::function<void()>& limit,
                         const std::function<BuildResult()>& build)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        limit();
        const BuildResult result = build();
        const std::string message = result.ok ? std::string() : "failed: " + result.message;
        [[maybe_unused]] const ssize_t written =
            ::write(pipeEnds[1], message.data(), message.size());
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string message;
    char buffer[512];
    ssize_t got = 0;
    while ((got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        message.append(buffer, static_cast<size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        return "the build crashed";
    return message;
}

// A disk that fills up: no file may grow past `bytes`.
std::function<void()> diskFullAfter(rlim_t bytes)
{
    return [bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    };
}

// Another user than root, who cannot write where the folder's mode says no.
void asOrdinaryUser()
{
    if (::geteuid() == 0) {
        [[maybe_unused]] const int group = ::setgid(65534);
        [[maybe_unused]] const int user = ::setuid(65534);
    }
}

TEST(HostileBuild, RebuildOnAFullDiskKeepsTheEarlierBuild)
{
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    ASSERT_TRUE(CompileApp(doc, optionsFor(scratch.path(), "Full")).ok);
    const fs::path exe = scratch / "Full" / "Full.exe";
    const std::string before = test::readBytes(exe);

    doc.titles[1].caption = "A caption that changes the data block";
    const std::string message = buildInChild(
        diskFullAfter(1000), [&] { return CompileApp(doc, optionsFor(scratch.path(), "Full")); });
    EXPECT_NE(message.find("failed: "), std::string::npos) << "the build said it succeeded";
    EXPECT_NE(message.find("Full.exe"), std::string::npos) << message;
    EXPECT_EQ(test::readBytes(exe), before) << "the working application was lost";
    EXPECT_TRUE(fs::exists(scratch / "Full" / "Full1.png"));
    for (const fs::path& folder : {scratch.path(), scratch / "Full"}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "Full" || !entry.is_directory()) << name << " was left behind";
        }
    }
}

TEST(HostileBuild, FilesTheUserAddedAreKeptAndNamed)
{
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    doc.pictures[1].page = 0;
    doc.pictures[1].imageBytes = doc.pictures[0].imageBytes;
    ASSERT_TRUE(CompileApp(doc, optionsFor(scratch.path(), "Again")).ok);
    ASSERT_TRUE(fs::exists(scratch / "Again" / "Again2.png"));
    test::writeBytes(scratch / "Again" / "notes.txt", "mine");
    fs::create_directories(scratch / "Again" / "Data");

    doc.pictures[1].page = kDeletedPage; // one picture fewer this time
    const BuildResult again = CompileApp(doc, optionsFor(scratch.path(), "Again"));
    ASSERT_TRUE(again.ok) << again.message;
    EXPECT_EQ(test::readBytes(scratch / "Again" / "notes.txt"), "mine");
    EXPECT_TRUE(fs::is_directory(scratch / "Again" / "Data"));
    ASSERT_FALSE(again.warnings.empty());
    EXPECT_NE(again.warnings.back().find("Data, notes.txt"), std::string::npos)
        << again.warnings.back();
    // The earlier build's own files that this one does not make are gone.
    EXPECT_TRUE(fs::exists(scratch / "Again" / "Again1.png"));
    EXPECT_FALSE(fs::exists(scratch / "Again" / "Again2.png"));
}

TEST(HostileBuild, ListOfAnEarlierBuildCannotReachOutsideItsFolder)
{
    EXPECT_EQ(ParseBuildList("App.exe\r\n../victim.txt\n/etc/passwd\nImages/1.GIF\n.\n"
                             "a/../../x\n.quorvalle-new-1/a\nImages/\n\n"),
              (std::set<fs::path>{"App.exe", "Images/1.GIF"}));

    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    ASSERT_TRUE(CompileApp(doc, optionsFor(scratch.path(), "App")).ok);
    test::writeBytes(scratch / "victim.txt", "keep me");
    test::writeBytes(scratch / "App" / BuildFolder::kListName,
                     "../victim.txt\n" + (scratch / "victim.txt").string() + "\n");
    ASSERT_TRUE(CompileApp(doc, optionsFor(scratch.path(), "App")).ok);
    EXPECT_EQ(test::readBytes(scratch / "victim.txt"), "keep me");
}

TEST(HostileBuild, ReadOnlyFolderIsSaidToBeReadOnly)
{
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    ASSERT_TRUE(CompileApp(doc, optionsFor(scratch.path(), "Locked")).ok);
    const fs::path locked = scratch / "Locked";
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    const fs::path closed = scratch / "closed";
    fs::create_directories(closed);
    fs::permissions(closed, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);

    const std::pair<fs::path, std::string> cases[] = {
        {scratch.path(), "Locked"}, // an earlier build in a folder that cannot change
        {closed, "Fresh"},          // a new build in a folder that cannot take one
    };
    for (const auto& [parent, name] : cases) {
        const std::string message =
            buildInChild(asOrdinaryUser, [&] { return CompileApp(doc, optionsFor(parent, name)); });
        EXPECT_NE(message.find("is read-only"), std::string::npos) << name << ": " << message;
        EXPECT_EQ(message.find("Close previous running Application"), std::string::npos);
    }
    EXPECT_TRUE(fs::exists(locked / "Locked.exe"));
    fs::permissions(locked, fs::perms::owner_all);
    fs::permissions(closed, fs::perms::owner_all);
}

TEST(HostileBuild, RefusesBeforeWritingAnythingWhatTheBuildCannotHold)
{
    const std::string injected = "x\r\n[Run]\r\nFilename: \"{sys}\\cmd.exe\"";
    struct Case {
        const char* what;
        std::function<void(ProjectDocument&, BuildOptions&)> spoil;
        const char* named;
    };
    const Case cases[] = {
        {"company",
         [&](ProjectDocument& d, BuildOptions&) { d.settings.versionTexts[0] = injected; },
         "Company Name"},
        {"copyright",
         [&](ProjectDocument& d, BuildOptions&) { d.settings.versionTexts[2] = injected; },
         "Legal Copyright"},
        {"product",
         [&](ProjectDocument& d, BuildOptions&) { d.settings.versionTexts[4] = injected; },
         "Product Name"},
        {"version",
         [&](ProjectDocument& d, BuildOptions&) { d.settings.versionTexts[5] = injected; },
         "Version"},
        {"password",
         [&](ProjectDocument& d, BuildOptions&) { d.settings.versionTexts[6] = "pass\nword"; },
         "Setup Password"},
        {"web address",
         [&](ProjectDocument& d, BuildOptions&) { d.settings.aboutAddress = "a.example\r\nb"; },
         "web address"},
        {"name outside the code page",
         [](ProjectDocument&, BuildOptions& o) {
             o.appName = "\xD0\x97\xD0\xB0\xD0\xBA\xD0\xB0\xD0\xB7";
         },
         "code page"},
    };
    for (const Case& c : cases) {
        test::ScratchFolder scratch;
        ProjectDocument doc = buildableDocument();
        BuildOptions options = optionsFor(scratch.path(), "Shop");
        options.createSetup = true;
        c.spoil(doc, options);
        const BuildResult result = CompileApp(doc, options);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_NE(result.message.find(c.named), std::string::npos)
            << c.what << ": " << result.message;
        EXPECT_TRUE(fs::is_empty(scratch.path())) << c.what << ": something was written";
    }
    // Line breaks in the licence text are its lines; they go to a file of their own.
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    doc.settings.versionTexts[7] = "First line of the licence\r\nSecond line";
    BuildOptions options = optionsFor(scratch.path(), "Shop");
    options.createSetup = true;
    EXPECT_TRUE(CompileApp(doc, options).ok);
}

TEST(HostileBuild, QuotesInScriptParametersAreDoubled)
{
    SetupInputs in;
    in.appName = "Shop";
    in.productName = "Shop";
    in.version = "1";
    in.outputFolder = "/out/Shop";
    in.programFolder = "/opt/my \"best\" programs";
    const SetupScript script = MakeSetupScript(in);
    const std::string expected = "Source: \"/opt/my \"\"best\"\" programs/Pagewright.ocx\"";
    bool found = false;
    for (const std::string& line : script.lines)
        found = found || line.rfind(expected, 0) == 0;
    EXPECT_TRUE(found) << "no line starts with " << expected;

    // A picture's extension with a quote is not carried into the copy's name.
    test::ScratchFolder scratch;
    ProjectDocument doc = buildableDocument();
    doc.pictures[1].storedFileName = "logo.p\"g";
    const BuildResult result = CompileApp(doc, optionsFor(scratch.path(), "Quote"));
    ASSERT_TRUE(result.ok) << result.message;
    for (const auto& entry : fs::directory_iterator(scratch / "Quote"))
        EXPECT_EQ(entry.path().filename().string().find('"'), std::string::npos);
}

TEST(HostileBuild, PictureNamingAFileInTheCurrentFolderIsNotEmbedded)
{
    test::ScratchFolder scratch;
    test::writeBytes(scratch / "secret.txt", "TOP SECRET");
    // A picture record with the name "secret.txt" and no bytes, as a hostile file has it.
    ProjectDocument source = buildableDocument();
    Picture& p = source.pictures[0];
    p.storedFileName = "secret.txt";
    p.imageBytes = std::make_shared<const std::vector<uint8_t>>(1, 'X');
    std::vector<uint8_t> bytes = encodeProject(source, "/p/a.baf").bytes;
    const std::string name = "secret.txt";
    auto at = std::search(bytes.begin(), bytes.end(), name.begin(), name.end());
    ASSERT_NE(at, bytes.end());
    at += static_cast<long>(name.size());
    at[0] = 0;
    bytes.erase(at + 4);
    ProjectReadResult read = readProjectBytes(bytes, "hostile.baf");
    ASSERT_TRUE(read.ok()) << read.message;
    // And a relative path that was never anyone's choice.
    Picture& relative = read.document.pictures[1];
    relative.page = 0;
    relative.imageBytes.reset();
    relative.storedFileName.clear();
    relative.sourcePath = "secret.txt";

    const fs::path previous = fs::current_path();
    fs::current_path(scratch.path());
    const BuildResult result = CompileApp(read.document, optionsFor(scratch.path(), "Leak"));
    fs::current_path(previous);
    ASSERT_TRUE(result.ok) << result.message;
    const std::string exe = test::readBytes(scratch / "Leak" / "Leak.exe");
    EXPECT_EQ(exe.find("TOP SECRET"), std::string::npos) << "the file was embedded";
    for (const auto& entry : fs::directory_iterator(scratch / "Leak"))
        EXPECT_NE(test::readBytes(entry.path()), "TOP SECRET") << entry.path();
}

TEST(HostileBuild, DataBlockWithNumbersThatAreNoNumbersIsReadAsUsableValues)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    AppData data;
    data.pictures.resize(1);
    data.pictures[0].picture.height = nan;
    data.squares.resize(1);
    data.squares[0].left = std::numeric_limits<float>::infinity();
    data.titles.resize(1);
    data.titles[0].top = nan;
    data.surfaceWidth = nan;
    const std::vector<uint8_t> file = WriteAppFile(test::fakeRuntime(), data, {}, nullptr);
    const AppFileRead read = ReadAppFile(file, "nan.exe");
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.data.pictures[0].picture.height, 75);
    EXPECT_EQ(read.data.squares[0].left, 0);
    EXPECT_EQ(read.data.titles[0].top, 0);
    EXPECT_EQ(read.data.surfaceWidth, 0);
    ASSERT_EQ(read.warnings.size(), 4u);
    EXPECT_NE(read.warnings[1].find("Picture 0"), std::string::npos) << read.warnings[1];
    EXPECT_NE(read.warnings[2].find("Title 1"), std::string::npos) << read.warnings[2];
}

} // namespace
} // namespace qv
