// The command-line programs probed as a careless user or a hostile file would: every
// probe must end at once with a clear message and the right exit code, and change
// nothing it was not asked to change.

#include "scratchfolder.h"

#include "builder/fakeruntime.h"
#include "document/projectfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>

namespace qv {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode = -1;
    std::string out; // standard output and standard error together
};

// Runs quorvalle-cli with a shell argument text; a probe that hangs is ended after 20 s.
CliRun runCli(const std::string& arguments)
{
    const std::string command =
        "timeout 20 " + std::string(QV_BIN_DIR) + "/quorvalle-cli " + arguments + " 2>&1";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

class HostileCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::exists(fs::path(QV_BIN_DIR) / "quorvalle-cli"))
            GTEST_SKIP() << "quorvalle-cli is not built";
        ProjectDocument doc;
        doc.fields.append();
        doc.fields[1].maxLength = 40;
        doc.settings.windowTitle = "Shop\nreports: 99\r\x1b[2J";
        doc.reportSlots.push_back(ReportSlot{"Sheet\nfields: 0", {}, false});
        project_ = scratch_ / "shop.baf";
        ASSERT_TRUE(saveProjectFile(doc, project_).ok);
    }

    test::ScratchFolder scratch_;
    fs::path project_;
};

TEST_F(HostileCli, FileThatIsNoProjectIsSaidToBeNoProject)
{
    const std::pair<const char*, std::string> files[] = {
        {"readme.md", "# Shop\n\nNotes for the team.\n"},
        {"logo.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"noise.bin", std::string("\x13\x37\xC0\xDE\xFF\x01\x02", 7)},
    };
    for (const auto& [name, content] : files) {
        test::writeBytes(scratch_ / name, content);
        for (const char* command : {"info", "roundtrip"}) {
            const CliRun run =
                runCli(std::string(command) + " " + quoted(scratch_ / name) +
                       (std::string(command) == "roundtrip" ? " " + quoted(scratch_ / "out.baf")
                                                            : std::string()));
            EXPECT_EQ(run.exitCode, 1) << command << " " << name;
            EXPECT_NE(run.out.find("not a project file"), std::string::npos)
                << command << " " << name << ": " << run.out;
        }
    }
    EXPECT_FALSE(fs::exists(scratch_ / "out.baf"));
}

TEST_F(HostileCli, InfoPrintsTitlesAndNamesOnTheirOwnLines)
{
    const CliRun run = runCli("info " + quoted(project_));
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("title: Shop\\nreports: 99\\r\\x1B[2J\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("report 1: Sheet\\nfields: 0 ("), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("\nreports: 99"), std::string::npos) << "a forged line";
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
}

TEST_F(HostileCli, SavingRefusesATargetThatIsNoRegularFile)
{
    const fs::path fifo = scratch_ / "fifo.baf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path dangling = scratch_ / "dangling.baf";
    fs::create_symlink(scratch_ / "gone.baf", dangling);
    for (const fs::path& target : {fifo, dangling}) {
        const CliRun run = runCli("roundtrip " + quoted(project_) + " " + quoted(target));
        EXPECT_EQ(run.exitCode, 1) << target << ": " << run.out;
        EXPECT_NE(run.out.find(target.string()), std::string::npos) << run.out;
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_FALSE(fs::exists(scratch_ / "gone.baf"));
}

TEST_F(HostileCli, PathsThatNameNoRegularFileAreRefusedAtOnce)
{
    const fs::path fifo = scratch_ / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string out = " --out " + quoted(scratch_.path());
    const std::string base = "build " + quoted(project_) + " --name App" + out;
    const std::pair<std::string, std::string> probes[] = {
        {"project folder", "info " + quoted(scratch_.path())},
        {"project FIFO", "info " + quoted(fifo)},
        {"project /dev/zero", "roundtrip /dev/zero " + quoted(scratch_ / "x.baf")},
        {"icon /dev/zero", base + " --icon /dev/zero"},
        {"icon folder", base + " --icon " + quoted(scratch_.path())},
        {"runtime /proc/self/mem", base + " --runtime /proc/self/mem"},
        {"runtime FIFO", base + " --runtime " + quoted(fifo)},
        {"form FIFO", "recalc --form " + quoted(fifo)},
        {"form /dev/zero", "recalc --form /dev/zero"},
    };
    for (const auto& [what, arguments] : probes) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 1) << what << ": " << run.out;
        EXPECT_NE(run.out.find("quorvalle-cli: "), std::string::npos) << what << ": " << run.out;
    }
    EXPECT_FALSE(fs::exists(scratch_ / "App"));
    EXPECT_FALSE(fs::exists(scratch_ / "x.baf"));
}

TEST_F(HostileCli, OptionWithoutItsValueIsWrongUsage)
{
    const std::string probes[] = {
        "build " + quoted(project_) + " --name --out " + quoted(scratch_.path()),
        "build " + quoted(project_) + " --out " + quoted(scratch_.path()) + " --name",
        "recalc --form",
        "format NUM2 5 --locale",
    };
    for (const std::string& arguments : probes) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments << ": " << run.out;
        EXPECT_TRUE(run.out.find("needs a value") != std::string::npos ||
                    run.out.find("usage: ") != std::string::npos)
            << run.out;
    }
    EXPECT_FALSE(fs::exists(scratch_ / "--out"));
    EXPECT_FALSE(fs::exists(fs::path("--out")));
}

TEST_F(HostileCli, NumberFormatsShowNoNegativeZero)
{
    const std::pair<const char*, const char*> cases[] = {
        {"format CUR4 -0.00001", "$0.0000\n"}, {"format NUM2 -0", "0.00\n"},
        {"format NUM0 -0.4", "0\n"},           {"format NUM2 -0.004 --locale de_DE", "0,00\n"},
        {"format CUR2 -5", "-$5.00\n"},
    };
    for (const auto& [arguments, expected] : cases) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 0) << arguments;
        EXPECT_EQ(run.out, expected) << arguments;
    }
}

TEST_F(HostileCli, TextFormulasThatDoubleTheirTextAreCutAndSaySo)
{
    // 1.4 KB: field 1 holds eight letters, every further field is the one before it twice.
    std::string form = "{\"fields\": [{\"text\": \"abcdefgh\"}";
    for (int i = 2; i <= 64; ++i)
        form += ", {\"formula\": \"F" + std::to_string(i - 1) + "F" + std::to_string(i - 1) + "\"}";
    form += "]}";
    test::writeBytes(scratch_ / "double.json", form);
    const CliRun run = runCli("recalc --form " + quoted(scratch_ / "double.json"));
    ASSERT_EQ(run.exitCode, 0) << run.out.substr(0, 300);
    EXPECT_NE(run.out.find("F64: the result was cut to 32767 characters"), std::string::npos);
    const size_t line = run.out.find("F64\t");
    ASSERT_NE(line, std::string::npos);
    const size_t end = run.out.find('\n', line);
    EXPECT_EQ(end - line - 4, 32767u);
}

// A warning that quotes names from outside (here a file someone left in the build folder)
// is one line, whatever the name holds: no forged lines, no escape sequences reaching the
// terminal.
TEST_F(HostileCli, WarningsQuotingNamesStayOneLine)
{
    ProjectDocument doc;
    doc.fields[doc.fields.append()].maxLength = 30;
    const fs::path project = scratch_ / "escape.baf";
    ASSERT_TRUE(saveProjectFile(doc, project).ok);
    // A stand-in runtime, so that the sanitizer's build (no runtime inside) runs this too.
    const std::vector<uint8_t> runtime = test::fakeRuntime();
    test::writeBytes(scratch_ / "runtime.bin",
                     std::string(reinterpret_cast<const char*>(runtime.data()), runtime.size()));
    const std::string build = "build " + quoted(project) + " --name Esc --out " +
                              quoted(scratch_.path()) + " --runtime " +
                              quoted(scratch_ / "runtime.bin");
    ASSERT_EQ(runCli(build).exitCode, 0);
    test::writeBytes(scratch_ / "Esc" / "kept\x1b[2J\r\nquorvalle-cli: built fine", "x");
    const CliRun run = runCli(build);
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("warning: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("kept\\x1B[2J\\r\\nquorvalle-cli: built fine"), std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos) << run.out;
}

TEST_F(HostileCli, ProjectWithNumbersThatAreNoNumbersIsRepairedWithAWarning)
{
    ProjectDocument doc;
    doc.pictures[doc.pictures.append()].height = std::numeric_limits<float>::quiet_NaN();
    const fs::path nan = scratch_ / "nan.baf";
    ASSERT_TRUE(saveProjectFile(doc, nan).ok);
    const CliRun run = runCli("roundtrip " + quoted(nan) + " " + quoted(scratch_ / "fixed.baf"));
    EXPECT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("warning: Picture 0"), std::string::npos) << run.out;
    const ProjectReadResult fixed = readProjectFile(scratch_ / "fixed.baf");
    ASSERT_TRUE(fixed.ok()) << fixed.message;
    EXPECT_EQ(fixed.document.pictures[0].height, 75);
    EXPECT_TRUE(fixed.warnings.empty());
}

} // namespace
} // namespace qv
