#include "records/inputref.h"

#include "recordsfixture.h"

namespace qv {
namespace {

using test::C;
using test::F;
using test::K;
using test::M;

TEST(InputRefTest, TokensReadBackAndOddOnesAreRefused)
{
    struct Case {
        const char* token;
        std::optional<InputRef> ref;
    } cases[] = {
        {"F1", F(1)},
        {"f12", F(12)},
        {"M3", M(3)},
        {"C2000", C(2000)},
        {"K0", K(0)},
        {"k7", K(7)},
        {"F0", std::nullopt},
        {"M0", std::nullopt},
        {"F01", std::nullopt},
        {"F2001", std::nullopt},
        {"F", std::nullopt},
        {"F-1", std::nullopt},
        {"X3", std::nullopt},
        {"F3:", std::nullopt},
        {"F99999", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InputRef::fromToken(c.token), c.ref) << c.token;
        if (c.ref) {
            EXPECT_EQ(InputRef::fromToken(c.ref->token()), c.ref) << c.token;
        }
    }
}

TEST(InputRefTest, ReportCodesOfEveryKind)
{
    struct Case {
        int code;
        std::optional<InputRef> ref;
    } cases[] = {
        {1, F(1)},      {2000, F(2000)},      {2001, C(1)},      {3999, C(1999)},
        {4000, K(0)},   {4005, K(5)},         {6000, K(2000)},   {6001, M(1)},
        {6500, M(500)}, {6501, std::nullopt}, {0, std::nullopt}, {-1, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InputRef::fromReferenceCode(c.code), c.ref) << c.code;
        if (c.ref) {
            EXPECT_EQ(c.ref->referenceCode(), c.code);
        }
    }
}

} // namespace
} // namespace qv
