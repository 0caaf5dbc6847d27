#include "records/textcase.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TextCase, RulesOfFieldsAndCombos)
{
    struct Case {
        TextCase rule;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {TextCase::Upper, "acme ltd", "ACME LTD"},
        {TextCase::Upper,
         "stra\xC3\x9F"
         "e",
         "STRASSE"},
        {TextCase::Lower, "\xC3\x89TAT Civil", "\xC3\xA9tat civil"},
        {TextCase::Proper, "jOHN o'neil  smith", "John O'neil  Smith"},
        {TextCase::Proper, "\xC3\xA9mile zola", "\xC3\x89mile Zola"},
        {TextCase::AsTyped, "MiXeD", "MiXeD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyTextCase(c.rule, c.typed), c.shown) << c.typed;

    // The field dialog's options "lower", "UPPER", "Caps", "Plain"; the combo's TextCase.
    EXPECT_EQ(FieldTextCase(0), TextCase::Lower);
    EXPECT_EQ(FieldTextCase(1), TextCase::Upper);
    EXPECT_EQ(FieldTextCase(2), TextCase::Proper);
    EXPECT_EQ(FieldTextCase(3), TextCase::AsTyped);
    EXPECT_EQ(ComboTextCase(0), TextCase::AsTyped);
    EXPECT_EQ(ComboTextCase(1), TextCase::Upper);
    EXPECT_EQ(ComboTextCase(2), TextCase::Proper);
    EXPECT_EQ(ComboTextCase(3), TextCase::Lower);
    EXPECT_EQ(ComboTextCase(4), TextCase::AsTyped);
}

TEST(TextCase, LengthsCountCharactersNotBytes)
{
    EXPECT_EQ(LimitLength("K\xC3\xB8"
                          "benhavn",
                          3),
              "K\xC3\xB8"
              "b");
    EXPECT_EQ(LimitLength("abc", 0), "abc");
    EXPECT_EQ(LimitLength("abc", 5), "abc");
}

TEST(TextCase, CompletionTakesTheFirstItemBeginningWithTheTypedText)
{
    const std::vector<std::string> items{"Apple", "Apricot", "\xC3\x84pfel"};
    EXPECT_EQ(CompletionIndex("a", items), 0);
    EXPECT_EQ(CompletionIndex("apr", items), 1);
    EXPECT_EQ(CompletionIndex("\xC3\xA4", items), 2);
    EXPECT_EQ(CompletionIndex("b", items), -1);
    EXPECT_EQ(CompletionIndex("", items), -1);
}

} // namespace
} // namespace qv
