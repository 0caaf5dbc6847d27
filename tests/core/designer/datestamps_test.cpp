#include "designer/datestamps.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(DateStamps, FiveFormsInMenuOrder)
{
    struct Case {
        CalendarDate date;
        const char* locale;
        DateStampTexts expected;
    };
    const std::vector<Case> cases = {
        {{2024, 2, 29},
         "en_US",
         {"Thursday 29-Feb-2024", "29-February-2024", "29-02-2024", "02-29-2024", "2024-02-29"}},
        {{2025, 12, 1},
         "de_DE",
         {"Montag 01-Dez.-2025", "01-Dezember-2025", "01-12-2025", "12-01-2025", "2025-12-01"}},
        {{2023, 2, 29}, "en_US", {}}, // no such day
        {{2023, 13, 1}, "en_US", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.date.year) + "-" + std::to_string(c.date.month) + "-" +
                     std::to_string(c.date.day) + " " + c.locale);
        EXPECT_EQ(dateStampTexts(c.date, c.locale), c.expected);
        for (int format = 0; format < kDateStampFormatCount; ++format)
            EXPECT_EQ(dateStampText(c.date, format, c.locale),
                      c.expected[static_cast<size_t>(format)]);
    }
    // The menus' sixth entry and anything else name no form.
    EXPECT_EQ(dateStampText({2024, 2, 29}, 5, "en_US"), "");
    EXPECT_EQ(dateStampText({2024, 2, 29}, -1, "en_US"), "");
}

} // namespace
} // namespace qv
