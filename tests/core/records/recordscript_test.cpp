#include "records/recordscript.h"

#include "formula/localeformats.h"
#include "formula/prepareformula.h"
#include "recordsfixture.h"

namespace qv {
namespace {

using test::C;
using test::F;
using test::K;

constexpr double kToday = 45363; // 12 March 2024

struct ScriptRun {
    std::vector<std::string> actions;
    std::string error;
};

class RecordScriptTest : public ::testing::Test {
protected:
    ScriptRun run(const std::string& script, bool prepared = false)
    {
        const std::string text =
            prepared ? PrepareFormula(script, ObjectCounts{5, 1, 1, 1}) : script;
        const RecordScript parsed = parseRecordScript(text, columns);
        ScriptEnvironment environment{records, columns, current, &records, FormulaLocale{}, kToday};
        const ActionOutcome outcome = runRecordScript(parsed, environment);
        ScriptRun result;
        for (const Action& action : outcome.actions)
            result.actions.push_back(describe(action));
        result.error = outcome.error;
        return result;
    }

    AppData design = test::invoiceDesign();
    std::vector<RecordColumn> columns = RecordSchema(design).columns();
    MemoryRecordSet records = test::invoices();
    const RecordRow* current = &records.records()[1]; // Jones, record 2
};

// Scripts over the four invoices: Smith & Sons (3 x 12.50, paid), Jones (10 x 1,000.00),
// smithers (1 x 7.25, paid), Müller (empty numbers). Each is run as typed and as the data
// block carries it (prepared: lower-case targets, "~" for minus).
TEST_F(RecordScriptTest, CommandsComputeOverTheRecords)
{
    LocaleFormats formats(FormulaLocale{});
    const std::string today = *formats.shortDate(kToday);
    struct Case {
        const char* script;
        std::vector<std::string> actions;
    } cases[] = {
        {"Select F1 F4 Where F4>100", {"show records 2 with F1 F4"}},
        {"Select   Where Delivery='post'", {"show records 1 3 with F1 F2 F3 F4 C1 K0 M1"}},
        {"select customer, total where customer='SMITH*'", {"show records 1 3 with F1 F4"}},
        {"Select F1 Where F1<>'smith*' AND F2<>''", {"show records 2 with F1"}},
        {"Select F1 Where ID>=3", {"show records 3 4 with F1"}},
        {"F5=Select F4 Where F1='jones'", {"set F5 to 10,000.00"}},
        {"F5=Select F4 Where F1='nobody'", {"set F5 to "}},
        {"Select F1 Where F1=F1: OR F2=-1", {"show records 2 with F1"}},
        {"SUM F4", {"show SUM F4: 10044.75"}},
        {"SUM F2+F3 Where Paid=1", {"show SUM F2+F3 Where Paid=1: 23.75"}},
        {"F6=SUM F4 Where F2>=3", {"set F6 to 10037.5"}},
        {"SumTotal$ F4", {"show SumTotal$ F4: 10,044.75"}},
        {"C1=SumAdv$(F4)", {"set C1 to 10,037.50"}},
        {"Count Where F2>2", {"show Count Where F2>2: 2"}},
        {"Count F3>5 AND Paid=1 OR F1='MÜLLER'", {"show Count F3>5 AND Paid=1 OR F1='MÜLLER': 3"}},
        {"Count Where F2>-1", {"show Count Where F2>-1: 3"}},
        {"Count Where F1='a'' OR 1=1 --'", {"show Count Where F1='a'' OR 1=1 --': 0"}},
        {"Count", {"show Count: 4"}},
        {"CountTotal$", {"show CountTotal$: 4"}},
        {"K0=CountTotal$ Paid", {"set K0 to 2"}},
        {"CountTotal$ F2", {"show CountTotal$ F2: 3"}},
        {"F1=ID", {"set F1 to 2"}},
        {"F2=Date$", {"set F2 to " + today}},
        {"Count Where F3<>Date$", {"show Count Where F3<>Date$: 4"}},
        {"F3=DateVal$ '2024-03-13'", {"set F3 to 45364"}},
        {"F3=SUM(F1:F2)\r\nV1=F1-2\r\n\r\nF6=Count Where Paid=1\r\nIF F1>5 THEN F2=1",
         {"run formula F3=SUM(F1:F2)\r\nV1=F1-2", "set F6 to 2", "run formula IF F1>5 THEN F2=1"}},
    };
    for (const Case& c : cases) {
        for (const bool prepared : {false, true}) {
            const ScriptRun got = run(c.script, prepared);
            EXPECT_EQ(got.error, "") << c.script << (prepared ? " (prepared)" : "");
            // Preparing rewrites formula statements, which the engine reads; commands read
            // the same either way.
            const bool formula = c.actions.size() > 1;
            if (!prepared || !formula) {
                EXPECT_EQ(got.actions, c.actions) << c.script << (prepared ? " (prepared)" : "");
            }
        }
    }
}

TEST_F(RecordScriptTest, ScriptsThatDoNotReadRunNothing)
{
    struct Case {
        const char* script;
        const char* error;
    } cases[] = {
        {"Replace F2=5", "Line 1 of the script: Where and a condition are needed."},
        {"F1=F2\nSelect F1 Where F2",
         "Line 2 of the script: a comparison is incomplete at the end of the line."},
        {"Count Where F1='abc",
         "Line 1 of the script: the text that starts with 'abc has no closing quote."},
        {"SUM Where F1=1", "Line 1 of the script: a column to add up is needed."},
        {"Count Where F5>1", "Line 1 of the script: F5 is not kept in the records."},
        {"Count Where Colour='red'",
         "Line 1 of the script: \"Colour\" names no column and is no number; quote a text."},
        {"Count Where F1 LIKE 'x'",
         "Line 1 of the script: \"LIKE\" is no comparison (=, <>, <, >, <=, >=)."},
        {"Select F1 F2>3",
         "Line 1 of the script: a column is expected, not \">\"; a condition follows Where."},
        {"Count Where F1=1 AND", "Line 1 of the script: a comparison is missing after AND."},
        {"Date$ F1", "Line 1 of the script: nothing may follow, but \"F1\" does."},
        {"CountTotal$ F1 F2", "Line 1 of the script: CountTotal$ counts one column at most."},
    };
    for (const Case& c : cases) {
        const ScriptRun got = run(c.script);
        EXPECT_EQ(got.error, c.error) << c.script;
        EXPECT_TRUE(got.actions.empty()) << c.script;
    }
    EXPECT_EQ(run("F1=SumAdv$ F4").error, "");
    current = nullptr;
    EXPECT_EQ(run("SumAdv$ F4").error, "SumAdv$ F4: SumAdv$ needs a record on screen.");
}

TEST_F(RecordScriptTest, ReplaceWritesEveryMatchOrNothing)
{
    ScriptRun got = run("Replace F2=5, Delivery='Air mail' Where F1='smith*'", true);
    EXPECT_EQ(got.error, "");
    EXPECT_EQ(got.actions, std::vector<std::string>{"records changed: 2"});
    EXPECT_EQ(records.find(1)->value(F(2)), "5");
    EXPECT_EQ(records.find(3)->value(C(1)), "Air mail");
    EXPECT_EQ(records.find(2)->value(C(1)), "Courier");

    // Values from the record itself and from the record on screen.
    got = run("Replace F4=F3, F1=F1: Where ID=4");
    EXPECT_EQ(got.error, "");
    EXPECT_EQ(records.find(4)->value(F(1)), "Jones");

    // One value the column cannot take stops the whole Replace.
    got = run("Replace F2='many' Where Paid=1");
    EXPECT_EQ(got.error, "Replace F2='many' Where Paid=1: nothing was replaced: record 1: "
                         "\"Quantity\" holds numbers: \"many\" is no number.");
    EXPECT_EQ(records.find(1)->value(F(2)), "5");
    got = run("Replace Paid='perhaps' Where ID=1");
    EXPECT_NE(got.error.find("\"Paid\" is a check box"), std::string::npos);

    // A check box takes yes and no as 1 and 0; a later command sees the change.
    got = run("Replace Paid='yes' Where ID=2\nCount Where Paid=1");
    EXPECT_EQ(got.error, "");
    EXPECT_EQ(got.actions,
              (std::vector<std::string>{"records changed: 1", "show Count Where Paid=1: 3"}));

    const RecordScript parsed = parseRecordScript("Replace F2=1 Where ID=1", columns);
    ScriptEnvironment readOnly{records, columns, current, nullptr, FormulaLocale{}, kToday};
    EXPECT_EQ(runRecordScript(parsed, readOnly).error,
              "Replace F2=1 Where ID=1: records cannot be changed here.");
}

TEST_F(RecordScriptTest, RecordsReadOnlyInPartGiveNoResultAndChangeNothing)
{
    const test::BrokenRecordSet broken(records, 2);
    for (const char* script : {"SUM F2", "Count Where F2>0", "F5=Select F1 Where F1='nobody'",
                               "Replace F2=7 Where ID>0"}) {
        const RecordScript parsed = parseRecordScript(script, columns);
        ScriptEnvironment environment{broken, columns, current, &records, FormulaLocale{}, kToday};
        const ActionOutcome outcome = runRecordScript(parsed, environment);
        EXPECT_TRUE(outcome.actions.empty()) << script;
        EXPECT_NE(outcome.error.find("the disk image is malformed"), std::string::npos)
            << script << ": " << outcome.error;
    }
    EXPECT_EQ(records.find(1)->value(F(2)), "3");
}

TEST_F(RecordScriptTest, NumbersAndDatesCompareAsWhatTheyAre)
{
    ConditionEvaluator evaluator(FormulaLocale{}, kToday);
    struct Case {
        const char* left;
        const char* op;
        const char* right;
        bool holds;
    } cases[] = {
        {"10", ">", "9", true},
        {"1,000.00", "=", "1000", true},
        {"abc", "<", "ABD", true},
        {"Straße", "=", "STRASSE", true},
        {"", "=", "0", false},
        {"3/12/2024", "<", "12/1/2023", false},
        {"3/12/2024", ">", "2024-01-31", true},
        {"10", "<>", "10.0", false},
        {"b", ">=", "B", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(evaluator.compare(c.left, c.op, c.right, false), c.holds)
            << c.left << c.op << c.right;
}

} // namespace
} // namespace qv
