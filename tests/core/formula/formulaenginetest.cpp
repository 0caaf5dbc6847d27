#include "formula/formulaengine.h"
#include "formula/memoryform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Field = qv::MemoryForm::Field;

const qv::FormulaLocale& us()
{
    static const qv::FormulaLocale locale = qv::FormulaLocale::fromIcu("en_US");
    return locale;
}

const qv::FormulaLocale& de()
{
    static const qv::FormulaLocale locale = qv::FormulaLocale::fromIcu("de_DE");
    return locale;
}

struct FormCase {
    const char* name;
    std::vector<Field> fields;
    std::vector<std::string> expected; // the field texts after one recalculation
};

qv::MemoryForm recalculated(std::vector<Field> fields, const qv::FormulaLocale& locale,
                            std::vector<std::string> combos = {"ABC", "10"},
                            std::vector<int> checks = {1, 0})
{
    qv::MemoryForm form;
    form.fields = std::move(fields);
    form.notes = {"", ""};
    form.combos = std::move(combos);
    form.checkboxes = std::move(checks);
    form.record = 42;
    qv::RecalculateForm(form, locale);
    return form;
}

void expectTexts(const FormCase& c, const qv::FormulaLocale& locale)
{
    const qv::MemoryForm form = recalculated(c.fields, locale);
    ASSERT_EQ(form.fields.size(), c.expected.size()) << c.name;
    for (size_t i = 0; i < c.expected.size(); ++i)
        EXPECT_EQ(form.fields[i].text, c.expected[i]) << c.name << ", field " << i + 1;
}

TEST(RecalculateForm, BareExpressionsShowByFormat)
{
    const FormCase cases[] = {
        {"plain", {{"3", 1}, {"4", 1}, {"", 1, 0, "F1+F2"}}, {"3", "4", "7"}},
        {"two decimals", {{"3", 1}, {"4", 1}, {"", 2, 0, "F1+F2"}}, {"3", "4", "7.00"}},
        {"whole", {{"3", 1}, {"-4000", 1}, {"", 5, 0, "F1+F2"}}, {"3", "-4000", "-3,997"}},
        {"three and four decimals",
         {{"1,234.5", 2}, {"", 3, 0, "F1/3"}, {"", 4, 0, "F1*2"}},
         {"1,234.5", "411.500", "2,469.0000"}},
        {"no precedence", {{"2", 1}, {"", 1, 0, "F1+3*4"}}, {"2", "20"}},
        {"text field reads as its number",
         {{"12 apples", 0}, {"", 1, 0, "F1*2"}},
         {"12 apples", "24"}},
        {"record number", {{"", 1, 0, "ID:+1"}}, {"43"}},
        {"combo and check box", {{"", 1, 0, "C2*K0+K1"}}, {"10"}},
        {"later fields see computed values", {{"", 1, 0, "2+3"}, {"", 1, 0, "F1*2"}}, {"5", "10"}},
        {"date with offset", {{"", 7, 1, "46361"}}, {"12/6/2026"}},
        {"date zero is not written", {{"old", 7, 0, "0"}}, {"old"}},
        {"offset makes it zero", {{"old", 7, -1, "1"}}, {"old"}},
        {"general date", {{"", 6, 0, "46362.75"}}, {"12/6/2026 6:00:00\u202fPM"}},
        {"medium date", {{"", 8, 0, "46362"}}, {"06-Dec-26"}},
        {"long date", {{"", 9, 0, "46362"}}, {"Sunday, December 6, 2026"}},
        {"short time", {{"", 10, 0, "0.75"}}, {"18:00"}},
        {"medium time", {{"", 11, 0, "0.75"}}, {"06:00 PM"}},
        {"not a date", {{"old", 7, 0, "99999999"}}, {"old"}},
        {"text path shows the text",
         {{"John Smith", 0}, {"", 0, 0, "Dear F1"}},
         {"John Smith", "Dear John Smith"}},
        {"time field takes the text path", {{"", 12, 0, "12:30"}}, {"12:30"}},
    };
    for (const FormCase& c : cases)
        expectTexts(c, us());
}

TEST(RecalculateForm, HighestIndexIsReplacedFirst)
{
    std::vector<Field> fields(13, Field{"1", 1});
    fields[11].text = "10";
    fields[12].formula = "F12+F1";
    EXPECT_EQ(recalculated(fields, us()).fields[12].text, "11");
}

TEST(RecalculateForm, StatementsAndIfLines)
{
    const FormCase cases[] = {
        // References are replaced before the statements run.
        {"assignment", {{"3", 1}, {"", 1, 0, "F1=F1*2 F2=F1+1"}}, {"6", "4"}},
        {"if true", {{"7", 1}, {"x", 1, 0, "IF F1>5 THEN F2=1 ELSE F2=0"}}, {"7", "1"}},
        {"if false", {{"3", 1}, {"x", 1, 0, "IF F1>5 THEN F2=1 ELSE F2=0"}}, {"3", "0"}},
        {"no else", {{"3", 1}, {"x", 0, 0, "IF F1>5 THEN F2=1"}}, {"3", "x"}},
        {"and both",
         {{"7", 1}, {"2", 1}, {"", 1, 0, "IF F1>5 AND F2<3 THEN F3=1 ELSE F3=0"}},
         {"7", "2", "1"}},
        {"and first fails",
         {{"4", 1}, {"2", 1}, {"", 1, 0, "IF F1>5 AND F2<3 THEN F3=1 ELSE F3=0"}},
         {"4", "2", "0"}},
        {"and second fails",
         {{"7", 1}, {"4", 1}, {"", 1, 0, "IF F1>5 AND F2<3 THEN F3=1 ELSE F3=0"}},
         {"7", "4", "0"}},
        {"or first",
         {{"7", 1}, {"9", 1}, {"", 1, 0, "IF F1>5 OR F2<3 THEN F3=1 ELSE F3=0"}},
         {"7", "9", "1"}},
        {"or second",
         {{"1", 1}, {"2", 1}, {"", 1, 0, "IF F1>5 OR F2<3 THEN F3=1 ELSE F3=0"}},
         {"1", "2", "1"}},
        {"or neither",
         {{"1", 1}, {"9", 1}, {"", 1, 0, "IF F1>5 OR F2<3 THEN F3=1 ELSE F3=0"}},
         {"1", "9", "0"}},
        // Strictly left to right: the condition after an AND that an OR follows decides.
        {"and then or",
         {{"1", 1}, {"2", 1}, {"", 1, 0, "IF F1>5 AND F2<3 OR F1>9 THEN F3=1 ELSE F3=0"}},
         {"1", "2", "1"}},
        {"quoted words",
         {{"7", 1}, {"", 0, 0, "IF F1>5 THEN F2=\"two words\""}},
         {"7", "two words"}},
        {"quote makes text mode", {{"", 1, 0, "IF C2<\"9\" THEN F1=1 ELSE F1=0"}}, {"1"}},
        {"number mode", {{"", 1, 0, "IF C2<9 THEN F1=1 ELSE F1=0"}}, {"0"}},
        {"quoted literal is upper-cased", {{"", 1, 0, "IF C1=\"abc\" THEN F1=1 ELSE F1=0"}}, {"1"}},
        {"arithmetic in a condition", {{"", 1, 0, "IF 2+3=5 THEN F1=1 ELSE F1=0"}}, {"1"}},
        {"not", {{"", 1, 0, "IF NOT(2>3) THEN F1=1 ELSE F1=0"}}, {"1"}},
        {"condition without operator", {{"", 1, 0, "IF 5 THEN F1=1 ELSE F1=0"}}, {"0"}},
        {"comparison value", {{"", 0, 0, "F1=3>2"}, {"", 0, 0, "F2=NOT(3>2)"}}, {"True", "False"}},
        {"unknown target ignored", {{"", 1, 0, "F9=3 Q1=2 F1=4"}}, {"4"}},
        {"minus", {{"", 1, 0, "F1=10-3-2"}}, {"5"}},
        {"negative operand", {{"", 1, 0, "F1=5*-3"}}, {"-15"}},
        {"true is minus one", {{"", 1, 0, "F1=TRUE*2"}}, {"2"}},
        {"date field assignment", {{"", 7, 5, "F1=46362.5"}}, {"12/6/2026 12:00:00\u202fPM"}},
        {"date field ignores bad date", {{"old", 7, 0, "F1=tomorrow"}}, {"old"}},
        {"time fields", {{"", 10, 0, "F1=0.5+0.25"}, {"", 12, 0, "F2=0.5"}}, {"18:00", "12:00:00"}},
    };
    for (const FormCase& c : cases)
        expectTexts(c, us());
}

TEST(RecalculateForm, VariablesCarryAcrossLinesAndFields)
{
    const FormCase cases[] = {
        {"two lines", {{"4", 1}, {"", 1}, {"", 1, 0, "V1=F1*2\r\nF3=V1+1"}}, {"4", "", "9"}},
        {"same line sees the old value", {{"4", 1}, {"", 1, 0, "V1=5 F2=V1+1"}}, {"4", "1"}},
        {"into the next field", {{"", 1, 0, "V3=2+3"}, {"", 1, 0, "F2=V3*2"}}, {"", "10"}},
        {"kept as text and evaluated where used", {{"", 1, 0, "V1=(2+3)*4\nF1=V1+0"}}, {"20"}},
        {"an if line sees earlier lines",
         {{"", 1, 0, "V1=7\r\nIF V1>5 THEN F1=1 ELSE F1=0"}},
         {"1"}},
        // V is not replaced in a bare expression, so "V1*2" reads as 1*2.
        {"a bare expression has no variables", {{"", 1, 0, "V1=5"}, {"", 1, 0, "V1*2"}}, {"", "2"}},
    };
    for (const FormCase& c : cases)
        expectTexts(c, us());

    qv::MemoryForm form;
    form.fields = {{"", 1, 0, "V1=2+3 V2=(2+3)*4 V3=-5+1"}};
    qv::FormulaEngine engine(form, us());
    engine.RecalculateForm();
    EXPECT_EQ(engine.variable(1), "5");
    EXPECT_EQ(engine.variable(2), "(2+3)*4");
    EXPECT_EQ(engine.variable(3), "~5+1");
}

TEST(RecalculateForm, WritesNotesCombosAndCheckBoxes)
{
    qv::MemoryForm form;
    form.fields = {{"1234.5", 1},
                   {"", 0, 0, "M1=\"hello world\" C1=7 K0=2.5 K1=3.5 K2=1"},
                   {"", 0, 0, "F3=CUR(F1)"},
                   {"", 0, 0, "F4=CUR2(F1) F5=NUM0(F1)"},
                   {"", 0},
                   {"", 1, 0, "C1*2+K0"}};
    form.notes = {""};
    form.combos = {"x"};
    form.checkboxes = {0, 0};
    qv::RecalculateForm(form, us());
    EXPECT_EQ(form.notes[0], "hello world");
    EXPECT_EQ(form.combos[0], "7");
    EXPECT_EQ(form.checkboxes, (std::vector<int>{2, 4}));
    EXPECT_EQ(form.fields[2].text, "One Thousand Two Hundred Thirty-Four Dollars and Fifty Cents");
    EXPECT_EQ(form.fields[3].text, "$1,234.50");
    EXPECT_EQ(form.fields[4].text, "1,234");
    EXPECT_EQ(form.fields[5].text, "16");
}

TEST(RecalculateForm, CommaLocale)
{
    const FormCase cases[] = {
        {"plain", {{"2,5", 1}, {"", 1, 0, "F1/2"}}, {"2,5", "1,25"}},
        {"grouped", {{"1.234,5", 2}, {"", 2, 0, "F1*2"}}, {"1.234,5", "2.469,00"}},
        {"group value written with a point", {{"", 1, 0, "(5/2)*2"}}, {"5"}},
        {"assignment shows the locale's separator",
         {{"", 1, 0, "F1=5/2"}, {"", 1, 0, "F1*2"}},
         {"2,5", "5"}},
        {"currency",
         {{"1234,5", 1}, {"", 0, 0, "F2=CUR2(F1)"}},
         {"1234,5", "1.234,50\u00a0\u20ac"}},
        {"euro words", {{"2", 1}, {"", 0, 0, "F2=CUR(F1)"}}, {"2", "Two Euros and No Cents"}},
        {"short date", {{"", 7, 0, "46362"}}, {"06.12.2026"}},
    };
    for (const FormCase& c : cases)
        expectTexts(c, de());
}

TEST(RecalculateForm, RepeatedRecalculationIsStable)
{
    qv::MemoryForm form;
    form.fields = {{"2,5", 1}, {"", 1, 0, "F2=F1*3"}, {"", 0, 0, "Total F2"}, {"", 2, 0, "F2/7"}};
    qv::RecalculateForm(form, de());
    const std::vector<Field> first = form.fields;
    qv::RecalculateForm(form, de());
    for (size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(form.fields[i].text, first[i].text) << i;
    EXPECT_EQ(form.fields[1].text, "7,5");
    EXPECT_EQ(form.fields[2].text, "Total 7,5");
    EXPECT_EQ(form.fields[3].text, "1,07");
}

TEST(RecalculateForm, EmptyFormAndFieldsBeyondTheLimit)
{
    qv::MemoryForm empty;
    qv::RecalculateForm(empty, us());

    qv::MemoryForm big;
    big.fields.assign(2001, Field{"1", 1, 0, ""});
    big.fields[2000].formula = "5";
    qv::RecalculateForm(big, us());
    EXPECT_EQ(big.fields[2000].text, "1");
}

} // namespace

namespace {

// Formulas that build texts from texts: whatever they make is cut to the longest text a
// project holds, and the recalculation names every object it cut.
TEST(RecalculateForm, TextsThatDoubleAreCutAndNamed)
{
    qv::MemoryForm form;
    form.fields.emplace_back("abcdefgh", 0);
    for (int i = 2; i <= 40; ++i) {
        const std::string previous = "F" + std::to_string(i - 1);
        form.fields.emplace_back("", 0, 0, previous + previous);
    }
    std::string lines = "V1=F1";
    for (int v = 2; v <= 30; ++v)
        lines += "\r\nV" + std::to_string(v) + "=V" + std::to_string(v - 1) + "V" +
                 std::to_string(v - 1);
    lines += "\r\nM1=V30V30 C1=V30V30";
    form.fields.emplace_back("", 0, 0, lines);
    form.notes = {""};
    form.combos = {""};

    const std::vector<std::string> cut = qv::RecalculateForm(form, us());
    EXPECT_EQ(form.fields[11].text.size(), 16384u) << "F12 is not cut";
    EXPECT_EQ(form.fields[12].text.size(), qv::kMaxFormulaResultLength);
    EXPECT_EQ(form.fields[39].text, form.fields[12].text);
    EXPECT_EQ(form.notes[0].size(), qv::kMaxFormulaResultLength);
    EXPECT_EQ(form.combos[0].size(), qv::kMaxFormulaResultLength);
    ASSERT_GE(cut.size(), 3u);
    EXPECT_EQ(cut.front(), "F13");
    for (const char* name : {"F40", "V13", "M1", "C1"})
        EXPECT_NE(std::find(cut.begin(), cut.end(), name), cut.end()) << name;
}

TEST(RecalculateForm, CutCountsCharactersAndKeepsThemWhole)
{
    qv::MemoryForm form;
    const std::string euro = "\xE2\x82\xAC"; // three bytes, one character
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += euro;
    form.fields.emplace_back(text, 0);
    form.fields.emplace_back("", 0, 0, "F1F1");
    const std::vector<std::string> cut = qv::RecalculateForm(form, us());
    EXPECT_EQ(form.fields[1].text.size(), 3 * qv::kMaxFormulaResultLength);
    EXPECT_EQ(cut, std::vector<std::string>{"F2"});
    form.fields[1].formula = "F1";
    EXPECT_TRUE(qv::RecalculateForm(form, us()).empty());
}

} // namespace

// A button script runs its lines once on the values on screen; field formulas are left to
// the recalculation that follows.
TEST(FormulaEngineScript, RunsStatementsAndIfLinesOnce)
{
    struct Case {
        const char* name;
        const char* script; // as typed; the builder prepares it
        std::vector<std::string> fields;
    } cases[] = {
        {"assignment reads the form", "F3=F1*F2", {"3", "4", "12", "old"}},
        {"if line", "IF F1>2 THEN F4=1 ELSE F4=2", {"3", "4", "", "1"}},
        {"each line sees the lines before", "F3=F1+1\r\nF4=F3*2", {"3", "4", "4", "8"}},
        {"record number", "F4=ID:", {"3", "4", "", "42"}},
        {"formulas do not run", "F1=10", {"10", "4", "", "old"}},
    };
    for (const Case& c : cases) {
        qv::MemoryForm form;
        form.fields = {{"3", 1}, {"4", 1}, {"", 1, 0, "F1+100"}, {"old", 1}};
        form.record = 42;
        qv::FormulaEngine engine(form, us());
        engine.RunScript(qv::PrepareFormula(c.script, qv::ObjectCounts{4, 0, 0, 0}));
        std::vector<std::string> texts;
        for (const Field& f : form.fields)
            texts.push_back(f.text);
        EXPECT_EQ(texts, c.fields) << c.name;
    }
}

TEST(FormulaEngineScript, NamesTheObjectWhoseResultWasCut)
{
    qv::MemoryForm form;
    form.fields = {{"", 0}};
    form.combos = {std::string(20000, 'x')};
    qv::FormulaEngine engine(form, us());
    engine.RunScript(qv::PrepareFormula("C1=C1C1", qv::ObjectCounts{1, 0, 1, 0}));
    EXPECT_EQ(form.combos[0].size(), qv::kMaxFormulaResultLength);
    EXPECT_EQ(engine.cutResults(), std::vector<std::string>{"C1"});
}
