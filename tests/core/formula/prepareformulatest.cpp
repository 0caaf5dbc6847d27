#include "formula/prepareformula.h"
#include "formula/referencesubstitution.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct PrepareCase {
    std::string formula;
    std::string expected;
};

TEST(PrepareFormula, ExpandsMarksUpperCasesAndWritesMinus)
{
    const qv::ObjectCounts counts{12, 2, 3, 2};
    const PrepareCase cases[] = {
        {"SUM(F1:F4)", "F1+F2+F3+F4"},
        {"SUM(1:4)", "F1+F2+F3+F4"},
        {"SUM(F2:F4)*2", "F2+F3+F4*2"},
        {"SUM(F4:F2)", ""},
        {"SUM(F1:F2)+SUM(F3:F4)", "F1+F2+SUM(F3:F4)"},
        {"SUM(F1", "SUM(F1"},
        {"F3=F1+F2", "f3=F1+F2"},
        {"F13=1 F12=2 M2=3 M3=4 C3=5 C4=6 K2=7 K3=8 V0=9 V99=1 V100=2",
         "F13=1 f12=2 m2=3 M3=4 c3=5 C4=6 k2=7 K3=8 v0=9 v99=1 V100=2"},
        {"F01=1 K0=1", "F01=1 k0=1"},
        {"IF f1>5 THEN F2=\"low\"", "IF F1>5 THEN f2=\"low\""},
        {"IF C1=\"abc\" THEN F2=1 ELSE IF x THEN y", "IF C1=\"ABC\" THEN f2=1 ELSE IF X THEN y"},
        {"IF c1=\"\xC3\xBC\" THEN F2=1", "IF C1=\"\xC3\x9C\" THEN f2=1"},
        {"IF F1>5", "IF F1>5"},
        {"V1=TRUE V2=FALSE", "v1=1 v2=0"},
        {"5-3", "5~3"},
        {"5--3 5*-3 5+-3 5/-3 5^-3", "5~-3 5*-3 5+-3 5/-3 5^-3"},
        {"(-3) F1=-3 ---", "(~3) f1=~3 ~-~"},
    };
    for (const PrepareCase& c : cases)
        EXPECT_EQ(qv::PrepareFormula(c.formula, counts), c.expected) << c.formula;
}

TEST(PrepareFormula, CapsHugeSumRanges)
{
    const std::string prepared = qv::PrepareFormula("SUM(1:999999999)", {2000, 0, 0, 0});
    EXPECT_LT(prepared.size(), 20000u);
    EXPECT_TRUE(prepared.starts_with("F1+F2+"));
}

std::string valueOf(int index)
{
    // Values that hold references themselves and digits that join the text around them.
    switch (index % 7) {
    case 0: return "F" + std::to_string(index / 2);
    case 1: return std::to_string(index) + "F";
    case 2: return "";
    case 3: return "1" + std::to_string(index);
    case 4: return "FF";
    default: return "x" + std::to_string(index % 10);
    }
}

TEST(SubstituteReferences, HighestIndexFirst)
{
    const auto values = [](int n) { return "<" + std::to_string(n) + ">"; };
    EXPECT_EQ(qv::SubstituteReferences("F12+F1", 'F', 1, 12, values), "<12>+<1>");
    EXPECT_EQ(qv::SubstituteReferences("F12+F1", 'F', 1, 5, values), "<1>2+<1>");
    EXPECT_EQ(qv::SubstituteReferences("K05+K0", 'K', 0, 9, values), "<0>5+<0>");
    EXPECT_EQ(qv::SubstituteReferences("f1=F1", 'F', 1, 9, values), "f1=<1>");
}

// The single pass must give exactly what one replace-all per index gives, including
// values that bring in new references and digits that join a reference before them.
TEST(SubstituteReferences, MatchesTheLiteralReplacementOnGeneratedTexts)
{
    std::mt19937 random(20261206);
    const std::string alphabet = "FFFF0123456789+*K";
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        const int high = static_cast<int>(random() % 150);
        const int low = static_cast<int>(random() % 2);
        EXPECT_EQ(qv::SubstituteReferences(text, 'F', low, high, valueOf),
                  qv::SubstituteReferencesLiteral(text, 'F', low, high, valueOf))
            << text << " high " << high;
    }
}

// The one-pass target marking against one replace per index in ascending order.
TEST(MarkAssignmentTargets, MatchesTheLiteralReplacementOnGeneratedTexts)
{
    std::mt19937 random(7);
    const std::string alphabet = "FF0123456789==f ";
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 20);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        const int high = static_cast<int>(random() % 120);
        std::string literal = text;
        for (int n = 0; n <= high; ++n) {
            const std::string from = "F" + std::to_string(n) + "=";
            for (size_t at = literal.find(from); at != std::string::npos;
                 at = literal.find(from, at + 1))
                literal[at] = 'f';
        }
        std::string fast = text;
        qv::MarkAssignmentTargets(fast, 'F', 0, high);
        EXPECT_EQ(fast, literal) << text;
    }
}

} // namespace
