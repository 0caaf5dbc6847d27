#include "records/actiontext.h"

#include "recordsfixture.h"

namespace qv {
namespace {

using test::C;
using test::F;
using test::K;
using test::M;

MemoryRecordSet::Record hostileRecord()
{
    MemoryRecordSet::Record record(42);
    record.set(F(1), "ann@example.org")
        .set(F(2), "Hello & welcome?x=1")
        .set(F(3), "--output=/etc/passwd")
        .set(F(4), "../../etc/passwd")
        .set(F(5), "a b; rm -rf ~ `x` $(y)")
        .set(F(11), "eleven")
        .set(M(2), "Line 1\nLine 2 ü")
        .set(C(1), "Berlin Hbf")
        .set(K(0), "1")
        .set(F(6), "-12.5")
        .set(F(7), "F1:");
    return record;
}

// Each action text with what it resolves to (as described) or the start of its error.
TEST(ActionTextTest, TextsResolveToActions)
{
    const MemoryRecordSet::Record record = hostileRecord();
    ActionTextContext context;
    context.appFolder = "/apps/Orders";
    context.queryAddress = "http://www.example.com/form.php?Name=F1:&Town=C1:&Paid=K0:&";
    struct Case {
        const char* text;
        const char* action; // "" when refused
        const char* error;
    } cases[] = {
        {"", "", ""},
        {"  END ", "end the application", ""},
        {"ID:", "ask for a record number", ""},
        {"<<<", "go to first", ""},
        {"<<", "go to back ten", ""},
        {"<", "go to previous", ""},
        {"<>", "go to new record", ""},
        {">", "go to next", ""},
        {">>", "go to last", ""},
        {"http://", "open link http://", ""},
        {"https://example.org/q?who=F2:&id=ID:",
         "open link https://example.org/q?who=Hello%20%26%20welcome%3Fx%3D1&id=42", ""},
        {"https://www.openstreetmap.org/directions?from=F1:&to=C1:",
         "open link "
         "https://www.openstreetmap.org/directions?from=ann%40example.org&to=Berlin%20Hbf",
         ""},
        // A placeholder needs no letter or digit before it, and F1: is not found in F11:.
        {"http://x.org/F11:/AF1:/F7:", "open link http://x.org/eleven/AF1:/F1%3A", ""},
        {"www.example.org/F5:",
         "open link http://www.example.org/a%20b%3B%20rm%20-rf%20~%20%60x%60%20%24%28y%29", ""},
        {"mailto:F1:?Subject=F2:&body=M2:",
         "open link "
         "mailto:ann@example.org?Subject=Hello%20%26%20welcome%3Fx%3D1&body=Line%201%0D%0ALine%202%"
         "20%C3%BC",
         ""},
        {"MAILTO:", "open link MAILTO:", ""},
        {"PHP-SEND-URL",
         "open link "
         "http://www.example.com/form.php?Name=ann%40example.org&Town=Berlin%20Hbf&Paid=1&",
         ""},
        {"APath:/", "open path /apps/Orders", ""},
        {"APath:/docs\\manual F11:.pdf", "open path /apps/Orders/docs/manual eleven.pdf", ""},
        {"APath:/F4:", "", "The path \"/../../etc/passwd\" leads out of the application's folder"},
        {"APath:/../x", "", "The path \"/../x\" leads out"},
        {"c:\\Your_App.exe -Paste", "run c:\\Your_App.exe [-Paste]", ""},
        {"gedit F5: \"F2: and more\" --line=F6:",
         "run gedit [a b; rm -rf ~ `x` $(y)] [Hello & welcome?x=1 and more] [--line=-12.5]", ""},
        {"convert F6:", "run convert [-12.5]", ""},
        {"\"APath:/tools/my tool\" x", "run /apps/Orders/tools/my tool [x]", ""},
        {"tools/run x", "run /apps/Orders/tools/run [x]", ""},
        {"/usr/bin/xdg-open F1:", "run /usr/bin/xdg-open [ann@example.org]", ""},
        {"grep F3: notes.txt", "", "The value of F3: starts with \"-\""},
        {"F1: --help", "", "The program of the command line"},
        {"APath:/../bin/sh", "", "The path \"/../bin/sh\" leads out"},
        {"../bin/sh -c x", "", "The program \"../bin/sh\" lies outside"},
    };
    for (const Case& c : cases) {
        const ActionOutcome outcome = resolveActionText(c.text, record, context);
        if (*c.action) {
            ASSERT_EQ(outcome.actions.size(), 1u) << c.text << ": " << outcome.error;
            EXPECT_EQ(describe(outcome.actions[0]), c.action) << c.text;
            EXPECT_EQ(outcome.error, "") << c.text;
        } else {
            EXPECT_TRUE(outcome.actions.empty()) << c.text;
            EXPECT_EQ(outcome.error.rfind(c.error, 0), 0u) << c.text << ": " << outcome.error;
        }
    }
}

TEST(ActionTextTest, ProgramsGetTheApplicationFolderToWorkIn)
{
    const MemoryRecordSet::Record record = hostileRecord();
    EXPECT_EQ(resolveActionText("PHP-SEND-URL", record, {"/apps/Orders", ""}).error,
              "PHP-SEND-URL has no query address in this application; nothing was sent.");
    const ActionOutcome outcome = resolveActionText("report F11:", record, {"/apps/Orders", ""});
    ASSERT_EQ(outcome.actions.size(), 1u);
    const auto& run = std::get<action::RunProgram>(outcome.actions[0]);
    EXPECT_EQ(run.workingDirectory, std::filesystem::path("/apps/Orders"));
    EXPECT_EQ(run.arguments, std::vector<std::string>{"eleven"});
}

TEST(ActionTextTest, CommandLinesSplitAtSpacesOutsideQuotes)
{
    struct Case {
        const char* line;
        std::vector<std::string> words;
    } cases[] = {
        {"a b  c", {"a", "b", "c"}},
        {"\"C:\\Program Files\\x.exe\" -p", {"C:\\Program Files\\x.exe", "-p"}},
        {"say \"he said \"\"hi\"\"\" \"\"", {"say", "he said \"hi\"", ""}},
        {"a\"b c\"d", {"ab cd"}},
        {"  ", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitCommandLine(c.line), c.words) << c.line;
}

TEST(ActionTextTest, QueryAddressNamesEveryObjectOnAPage)
{
    AppData design = test::invoiceDesign();
    design.fields[0].field.tag = "Customer name";
    design.fields[2].field.page = kDeletedPage;
    EXPECT_EQ(
        queryAddressTemplate(design),
        "http://www.example.com/form.php?Customer%20name=F1:&Quantity=F2:&Total=F4:&Scratch=F5:&"
        "Delivery=C1:&Paid=K0:&");
}

} // namespace
} // namespace qv
