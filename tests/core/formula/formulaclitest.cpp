#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
};

const std::string kCli = std::string(QV_BIN_DIR) + "/quorvalle-cli";

// Runs the command-line tool with a shell-quoted argument text; stderr is dropped.
CliRun runCli(const std::string& arguments)
{
    CliRun run;
    FILE* pipe = popen((kCli + " " + arguments + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t read = 0;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, read);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string writeForm(const std::string& name, const std::string& json)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path) << json;
    return path.string();
}

class FormulaCli : public testing::Test {
protected:
    void SetUp() override
    {
        if (!std::filesystem::exists(kCli))
            GTEST_SKIP() << "quorvalle-cli is not built";
    }
};

TEST_F(FormulaCli, PrintsResultsAndExitCodes)
{
    const std::pair<std::string, CliRun> cases[] = {
        {"eval '2+3*4'", {0, "20\n"}},
        {"eval '(5/2)*2' --locale de_DE", {0, "5\n"}},
        {"words 1234.56",
         {0, "One Thousand Two Hundred Thirty-Four Dollars and Fifty-Six Cents\n"}},
        {"words 12.01 --currency pound", {0, "Twelve Pounds and One Pence\n"}},
        {"words 2 --locale de_DE", {0, "Two Euros and No Cents\n"}},
        {"words -5", {0, "Invalid Dollar Amount.\n"}},
        {"format CUR2 1234.5", {0, "$1,234.50\n"}},
        {"format NUM0 -1234.5", {0, "-1,234\n"}},
        {"format NUM2 1.234,5 --locale de_DE", {0, "1.234,50\n"}},
        {"format CUR2 abc", {1, ""}},
        {"eval 1 --locale xx_YY", {1, ""}},
        {"eval", {2, ""}},
        {"words 5 --currency yen", {2, ""}},
        {"format CUR5 1", {2, ""}},
        {"recalc", {2, ""}},
    };
    for (const auto& [arguments, expected] : cases) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, expected.exitCode) << arguments;
        EXPECT_EQ(run.out, expected.out) << arguments;
    }
}

TEST_F(FormulaCli, RecalculatesAFormFile)
{
    const std::string form =
        writeForm("qv_formula_cli_form.json",
                  R"({"fields":[{"format":1,"formula":"","text":"3","offset_days":0},
                      {"format":1,"text":"4"},
                      {"format":2,"formula":"F1+F2"},
                      {"format":0,"formula":"IF F1>2 THEN F4=\"big one\" M1=\"a note\" C2=5 K1=1"},
                      {"format":7,"formula":"46361","offset_days":1}],
            "notes":["old"],"combos":["x","y"],"checkboxes":[0,0],"record":1})");
    const CliRun run = runCli("recalc --form " + form);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "F1\t3\nF2\t4\nF3\t7.00\nF4\tbig one\nF5\t12/6/2026\nM1\ta note\nC1\tx\n"
                       "C2\t5\nK0\t0\nK1\t1\n");
}

TEST_F(FormulaCli, RejectsMalformedFormFiles)
{
    const std::string malformed[] = {
        R"({"fields":[},)",
        R"({"fields":[1]})",
        R"({"fields":[{"format":13}]})",
        R"({"fields":[{"formula":5}]})",
        R"({"checkboxes":[0.5]})",
        R"({"record":"one"})",
        R"({"notes":"x"})",
        R"([])",
        R"({"fields":[]} trailing)",
        R"({"a":1,"a":2})",
        "",
    };
    for (const std::string& json : malformed) {
        const CliRun run = runCli("recalc --form " + writeForm("qv_formula_cli_bad.json", json));
        EXPECT_EQ(run.exitCode, 1) << json;
        EXPECT_EQ(run.out, "") << json;
    }
    EXPECT_EQ(runCli("recalc --form /nonexistent/form.json").exitCode, 1);
}

} // namespace
