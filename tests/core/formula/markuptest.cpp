#include "formula/markup.h"

#include <gtest/gtest.h>

namespace {

struct MarkupCase {
    const char* name;
    std::string input;
    std::string expected;
};

TEST(EncodeMarkup, ReplacesTagsAndDropsLineFeeds)
{
    const MarkupCase cases[] = {
        {"empty", "", ""},
        {"plain", "plain text", "plain text"},
        {"all tags",
         "<b><i><u><big><small></b></i></u></big></small><blue><green><red><black><magenta>"
         "<yellow><cyan><line><link></link>",
         std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0e\x0f\x10\x11\x12"
                     "\x13\x14\x15")},
        {"line feeds removed, carriage returns kept", "a\r\nb\nc\r",
         "a\rb"
         "c\r"},
        {"a line feed inside a tag joins it", "<b\n>x</\nb>", "\x01x\x06"},
        {"case-sensitive", "<B>x</B>", "<B>x</B>"},
        {"no attributes", "<link href=x>go</link>", "<link href=x>go\x15"},
        {"link text kept", "see <link>Help</link>.", "see \x14Help\x15."},
        // "</small>" becomes code 10; the line feeds were removed before, so it survives.
        {"small close is code 10", "<small>s</small>", std::string("\x05s\x0a")},
        {"unknown tag kept", "<p>x</p>", "<p>x</p>"},
    };
    for (const MarkupCase& c : cases)
        EXPECT_EQ(qv::EncodeMarkup(c.input), c.expected) << c.name;
}

} // namespace
