#include "formula/evaluatearithmetic.h"
#include "formula/localeformats.h"
#include "formula/numbertext.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct EvalCase {
    std::string expression;
    std::string expected;
};

std::string evaluate(std::string expression)
{
    return qv::EvaluateArithmetic(expression).toText();
}

TEST(EvaluateArithmetic, LeftToRightWithPostfixFunctions)
{
    const EvalCase cases[] = {
        {"", "0"},
        {"abc", "0"},
        {"10~3", "7"},
        {"10/4", "2.5"},
        {"0/5", "0"},
        {"5/0", "5"},
        {"0/0", "0"},
        {"2+3*4", "20"},
        {"2*3+4", "10"},
        {"(2+3)*4", "20"},
        {"2+(3*4)", "14"},
        {"((1+2)*3)", "9"},
        {"16S", "4"},
        {"2.5R", "2"},
        {"3.5R", "4"},
        {"-2.5R", "-2"},
        {"1.25O", "1.2"},
        {"1.35O", "1.4"},
        {"1.005U", "1"},
        {"1.0005N", "1"},
        {"1.00005D", "1"},
        {"1.00015D", "1.0002"},
        {"7M3", "1"},
        {"7.5M2", "0"},
        {"-7M3", "-1"},
        {"7M-3", "1"},
        {"7M0.4", "7"},
        {"0.5X", "720"},
        {"0.75X", "1080"},
        {"45000.25X", "360"},
        {"7+3q2", "32"},
        {"9S4+1", "4"},
        {"2+7S", "3"},
        {"2+(7S)", "4.64575131106459"},
        {"2~(1~4)", "5"},
        {"5*-3", "-15"},
        {"5~-3", "8"},
        {"2^10", "1024"},
        {"2^0.5^2", "2"},
        {"-3A", "3"},
        {"-8S", "-8"},
        {"0L", "0"},
        {"1E", "2.71828182845905"},
        {"0C", "1"},
        {"1B*4", "3.14159265358979"},
        {"0T", "0"},
        {"1EL", "1"},
        {"0.1+0.2", "0.3"},
        {"1/3", "0.3333333333333333333333333333"},
        {"12345678901234567890+1", "12345678901234567891"},
        {"79228162514264337593543950335+1", "79228162514264337593543950335"},
        {"100000000000000000000*100000000000", "100000000000000000000"},
        {"10^20+1", "100000000000000000000"},
        {"1.5.5+1", "2.5"}, // the Val rule stops at the second point
        {"5-3", "5"},       // "-" is a sign, so "5-3" is one number text read as 5
        {")", "0"},
        {")(1+2)", "3"},
        {"(1+2", "3"},
        {"((2)", "2"},
        {"()", "0"},
        {"(1+1)*(1+1)", "4"},
        {"1E400", "2.71828182845905"},
    };
    for (const EvalCase& c : cases)
        EXPECT_EQ(evaluate(c.expression), c.expected) << c.expression;
}

TEST(EvaluateArithmetic, RewritesGroupsInTheExpression)
{
    std::string expression = "(1+1)*(1+1)+(2/4)";
    qv::EvaluateArithmetic(expression);
    EXPECT_EQ(expression, "2*2+0.5");

    // Large and small double values are written out without an exponent, because "E" is
    // an operator.
    expression = "(10^25)+(10^-20)";
    qv::EvaluateArithmetic(expression);
    EXPECT_EQ(expression, "10000000000000000000000000+0.00000000000000000001");
}

// The parenthesis pass as written for the language: scan from the start, reduce the
// group at the first ")" (its "(" is the last one before it), replace every occurrence of
// the group and start again; a ")" with no "(" before it is passed over.
std::string literalEvaluate(std::string& expression)
{
    for (bool reduced = true; reduced;) {
        reduced = false;
        size_t groupStart = std::string::npos;
        for (size_t i = 0; i < expression.size(); ++i) {
            if (expression[i] == '(') {
                groupStart = i + 1;
            } else if (expression[i] == ')' && groupStart != std::string::npos) {
                std::string group = expression.substr(groupStart, i - groupStart);
                const std::string whole = "(" + group + ")";
                const std::string value = qv::EvaluateArithmetic(group).toText();
                expression = qv::ReplaceAll(expression, whole, value);
                reduced = true;
                break;
            }
        }
    }
    return qv::EvaluateArithmetic(expression).toText();
}

TEST(EvaluateArithmetic, MatchesTheLiteralParenthesisPassOnGeneratedTexts)
{
    std::mt19937 random(99);
    const std::string alphabet = "((())12.5+~*/-SRqM";
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 30);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        std::string fast = text;
        std::string literal = text;
        const std::string fastValue = qv::EvaluateArithmetic(fast).toText();
        EXPECT_EQ(fastValue, literalEvaluate(literal)) << text;
        EXPECT_EQ(fast, literal) << text;
    }
}

TEST(NormaliseNumberText, RemovesLocaleSeparators)
{
    const qv::FormulaLocale us{".", "en_US"};
    const qv::FormulaLocale de{",", "de_DE"};
    EXPECT_EQ(qv::NormaliseNumberText("1,234.50", us), "1234.50");
    EXPECT_EQ(qv::NormaliseNumberText("1.234,50", de), "1234.50");
    EXPECT_EQ(qv::NormaliseNumberText("1'234\xC2\xA0"
                                      "5",
                                      us),
              "12345");
    EXPECT_EQ(qv::NormaliseNumberText(qv::LocaleNumberText("2.5", de), de), "2.5");
    const qv::FormulaLocale fr{",", "fr_FR"};
    EXPECT_EQ(qv::NormaliseNumberText("1\xE2\x80\xAF"
                                      "234,50",
                                      fr),
              "1234.50");
}

// What the locale formats write as a grouped number reads back as the plain number.
TEST(NormaliseNumberText, ReadsBackTheGroupedNumbersOfEveryLocale)
{
    for (const char* id : {"en_US", "de_DE", "fr_FR", "fr_CH", "de_CH", "it_CH", "sv_SE", "nb_NO",
                           "ru_RU", "pl_PL", "cs_CZ", "es_ES", "pt_BR", "nl_NL", "en_IN"}) {
        qv::LocaleFormats formats(qv::FormulaLocale::fromIcu(id));
        const std::string grouped = formats.groupedNumber("1234567.5", 2);
        EXPECT_EQ(qv::NormaliseNumberText(grouped, formats.locale()), "1234567.50")
            << id << ": " << grouped;
        const std::string negative = formats.groupedNumber("-1234567.5", 2);
        EXPECT_EQ(qv::NormaliseNumberText(negative, formats.locale()), "-1234567.50")
            << id << ": " << negative;
    }
}

} // namespace

namespace {

// The grouping pass as the language describes it: the innermost group (between the first
// ")" and the last "(" before it) and every other occurrence of its text are replaced by
// its value, and the scan starts again. The evaluator does the same in one pass.
std::string groupedLiterally(std::string text)
{
    for (;;) {
        const size_t close = text.find(')');
        if (close == std::string::npos)
            break;
        const size_t open = text.rfind('(', close);
        if (open == std::string::npos) {
            text[close] = '\x01'; // no "(" before it: left for the final pass, like any letter
            continue;
        }
        const std::string group = text.substr(open, close + 1 - open);
        std::string inner = group.substr(1, group.size() - 2);
        const std::string value = qv::EvaluateArithmetic(inner).toText();
        std::string rest = text.substr(open);
        for (size_t at = rest.find(group); at != std::string::npos;
             at = rest.find(group, at + value.size()))
            rest.replace(at, group.size(), value);
        text = text.substr(0, open) + rest;
    }
    for (char& c : text) {
        if (c == '\x01')
            c = ')';
    }
    return text;
}

TEST(EvaluateArithmetic, GroupsInOnePassAsTheRepeatedScanDoes)
{
    std::mt19937 random(20260506);
    const std::string pieces[] = {"(", ")", "(", ")", "1", "2.5", "+",
                                  "~", "*", "/", "3", "S", "R"};
    for (int n = 0; n < 3000; ++n) {
        std::string expression;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i)
            expression += pieces[random() % std::size(pieces)];
        std::string text = expression;
        const std::string value = qv::EvaluateArithmetic(text).toText();
        const std::string grouped = groupedLiterally(expression);
        EXPECT_EQ(text, grouped) << expression;
        std::string again = grouped;
        EXPECT_EQ(value, qv::EvaluateArithmetic(again).toText()) << expression;
    }
}

} // namespace
