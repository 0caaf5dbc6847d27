#include "designer/clipboardtext.h"
#include "designer/configuration.h"

#include "designer/designerfixture.h"

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::addField;

// Runs quorvalle-cli with a shell command line; returns the exit code and standard output.
std::pair<int, std::string> runCli(const std::string& arguments)
{
    const std::string command = std::string(QV_BIN_DIR) + "/quorvalle-cli " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

class DesignerCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!fs::exists(fs::path(QV_BIN_DIR) / "quorvalle-cli"))
            GTEST_SKIP() << "quorvalle-cli is not built";
        folder_ = fs::temp_directory_path() / ("qv-designer-cli-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        ProjectDocument doc;
        addField(doc, 10, 10, "F2*2");
        addField(doc, 10, 40, "F1+1");
        doc.fields[1].tag = "Total";
        doc.fields[2].tag = "Count";
        doc.fields[1].tabOrder = 9;
        doc.fields[2].tabOrder = 3;
        project_ = (folder_ / "in.baf").string();
        ASSERT_TRUE(saveProjectFile(doc, project_).ok);
    }
    void TearDown() override
    {
        if (!folder_.empty())
            fs::remove_all(folder_);
    }
    ProjectDocument load(const std::string& path)
    {
        ProjectReadResult read = readProjectFile(path);
        EXPECT_TRUE(read.ok()) << read.message;
        return std::move(read.document);
    }

    fs::path folder_;
    std::string project_;
};

TEST_F(DesignerCommandsTest, CopyPasteDeleteAssignTabAndXmlPlate)
{
    const auto [copyCode, text] = runCli("copy " + project_ + " --kind 1 --index 2");
    EXPECT_EQ(copyCode, 0);
    EXPECT_EQ(text, clipboardText(load(project_), {{ObjectKind::Field, 2}}));

    const std::string clip = (folder_ / "clip.txt").string();
    FILE* f = std::fopen(clip.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    const std::string pasted = (folder_ / "pasted.baf").string();
    EXPECT_EQ(runCli("paste " + project_ + " " + pasted + " < " + clip).first, 0);
    const ProjectDocument p = load(pasted);
    ASSERT_EQ(p.fields.highWater(), 3);
    EXPECT_FLOAT_EQ(p.fields[3].left, p.fields[2].left + pixelsToTwips(10));
    EXPECT_EQ(p.fields[3].fieldFormula, "F2+1"); // F1 of two fields, shifted by one

    const std::string deleted = (folder_ / "deleted.baf").string();
    EXPECT_EQ(runCli("delete " + project_ + " " + deleted + " --kind 1 --index 1").first, 0);
    const ProjectDocument del = load(deleted);
    ASSERT_EQ(del.fields.highWater(), 1);
    EXPECT_EQ(del.fields[1].fieldFormula, "#REF+1");

    const std::string tabbed = (folder_ / "tab.baf").string();
    EXPECT_EQ(runCli("assign-tab " + project_ + " " + tabbed).first, 0);
    EXPECT_EQ(load(tabbed).fields[1].tabOrder, 2);

    const auto [xmlCode, xml] = runCli("xml-plate " + project_);
    EXPECT_EQ(xmlCode, 0);
    EXPECT_EQ(xml, xmlPlate(load(project_)));
}

TEST_F(DesignerCommandsTest, BadInputAndUsage)
{
    const std::string out = (folder_ / "out.baf").string();
    struct Case {
        std::string arguments;
        int code;
    } cases[] = {
        {"copy " + project_ + " --kind 13 --index 1 2>/dev/null", 1},
        {"copy " + project_ + " --kind 1 --index 5 2>/dev/null", 1},
        {"copy " + project_ + " --kind 1 --index x 2>/dev/null", 1},
        {"copy " + project_ + " 2>/dev/null", 2},
        {"delete " + project_ + " 2>/dev/null", 2},
        {"paste " + project_ + " " + out + " < /dev/null 2>/dev/null", 1},
        {"xml-plate " + (folder_ / "missing.baf").string() + " 2>/dev/null", 1},
        {"assign-tab " + project_ + " 2>/dev/null", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(runCli(c.arguments).first, c.code) << c.arguments;
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
} // namespace qv
