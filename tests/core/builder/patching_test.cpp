#include "builder/iconpatch.h"
#include "builder/replacebin.h"
#include "fakeruntime.h"

#include <gtest/gtest.h>

#include <string>

namespace qv {
namespace {

std::string utf16At(const std::vector<uint8_t>& image, size_t at, size_t characters)
{
    std::string text;
    for (size_t i = 0; i < characters; ++i) {
        EXPECT_EQ(image[at + 2 * i + 1], 0) << "high byte of character " << i;
        text.push_back(static_cast<char>(image[at + 2 * i]));
    }
    return text;
}

TEST(ReplaceBin, WithoutPlaceholderChangesNothing)
{
    std::vector<uint8_t> image(4096, 7);
    const auto before = image;
    EXPECT_EQ(ReplaceBin(image, kCompanyNamePlaceholder, "Acme"), 0);
    EXPECT_EQ(image, before);
}

TEST(ReplaceBin, CutsAndPadsToThePlaceholderLength)
{
    struct Case {
        std::string value;
        std::string expected; // the 40 characters written
    };
    const std::string fortyOne = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnO";
    ASSERT_EQ(fortyOne.size(), 41u);
    const Case cases[] = {
        {fortyOne, fortyOne.substr(0, 40)},
        {"Abc", "Abc" + std::string(37, '\0')},
        {"", std::string(40, '\0')},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> image = test::fakeRuntime();
        EXPECT_EQ(ReplaceBin(image, kCompanyNamePlaceholder, c.value),
                  static_cast<int64_t>(test::kFakeCompanyAt));
        EXPECT_EQ(utf16At(image, test::kFakeCompanyAt, 40), c.expected) << c.value;
        // The next placeholder is untouched.
        EXPECT_EQ(utf16At(image, test::kFakeCompanyAt + 100, 40), kFileDescriptionPlaceholder);
    }
}

TEST(ReplaceBin, ReplacesEveryOccurrenceAndReportsTheLast)
{
    std::vector<uint8_t> image = test::fakeRuntime();
    test::putUtf16(image, 7000, kProductNamePlaceholder);
    EXPECT_EQ(ReplaceBin(image, kProductNamePlaceholder, "Tool"), 7000);
    EXPECT_EQ(utf16At(image, test::kFakeCompanyAt + 400, 4), "Tool");
    EXPECT_EQ(utf16At(image, 7000, 4), "Tool");
}

TEST(ReplaceBin, WritesCharactersBeyondAsciiAsUtf16)
{
    std::vector<uint8_t> image = test::fakeRuntime();
    ReplaceBin(image, kCompanyNamePlaceholder, "Caf\xC3\xA9 \xD0\x96");
    EXPECT_EQ(image[test::kFakeCompanyAt + 6], 0xE9);
    EXPECT_EQ(image[test::kFakeCompanyAt + 10], 0x16); // U+0416
    EXPECT_EQ(image[test::kFakeCompanyAt + 11], 0x04);
}

TEST(IconCheck, AcceptsOnlySixteenColourThirtyTwoPixelIcons)
{
    struct Case {
        const char* what;
        size_t at;
        uint8_t value;
        bool accepted;
    };
    const Case cases[] = {
        {"valid", 0, 0, true},
        {"type 2 (cursor)", 2, 2, false},
        {"16 pixels wide", 6, 16, false},
        {"16 pixels high", 7, 16, false},
        {"256 colours", 8, 0, false},
        {"reserved byte set", 9, 1, false},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> icon = test::sixteenColourIcon(3);
        if (c.at != 0)
            icon[c.at] = c.value;
        EXPECT_EQ(IconHeaderAccepted(icon), c.accepted) << c.what;
        EXPECT_EQ(IconPatchable(icon), c.accepted) << c.what;
    }
    std::vector<uint8_t> shortIcon = test::sixteenColourIcon(3);
    shortIcon.resize(200);
    EXPECT_TRUE(IconHeaderAccepted(shortIcon));
    EXPECT_FALSE(IconPatchable(shortIcon)) << "pixel data missing";
    EXPECT_FALSE(IconHeaderAccepted(std::vector<uint8_t>{0, 0, 1}));
}

TEST(IconPatch, CopiesThePixelsOverTheMarker)
{
    std::vector<uint8_t> image = test::fakeRuntime();
    const auto before = image;
    const std::vector<uint8_t> icon = test::sixteenColourIcon(2);
    EXPECT_EQ(PatchIcon(image, icon), 1);
    for (size_t i = 0; i < kIconPixelBytes; ++i)
        ASSERT_EQ(image[test::kFakeIconAt + i], icon[kIconPixelOffset + i]) << i;
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + test::kFakeIconAt, before.begin()));
    EXPECT_TRUE(std::equal(image.begin() + test::kFakeIconAt + kIconPixelBytes, image.end(),
                           before.begin() + test::kFakeIconAt + kIconPixelBytes));
}

TEST(IconPatch, AnIconOfMarkerColourDoesNotRunOnThroughTheImage)
{
    std::vector<uint8_t> image = test::fakeRuntime();
    const auto before = image;
    EXPECT_EQ(PatchIcon(image, test::sixteenColourIcon(9)), 1);
    EXPECT_TRUE(std::equal(image.begin() + test::kFakeIconAt + kIconPixelBytes, image.end(),
                           before.begin() + test::kFakeIconAt + kIconPixelBytes));
}

TEST(IconPatch, RefusesBytesThatAreNoIcon)
{
    std::vector<uint8_t> image = test::fakeRuntime();
    const auto before = image;
    std::vector<uint8_t> notAnIcon(2000, 0x41);
    EXPECT_EQ(PatchIcon(image, notAnIcon), 0);
    EXPECT_EQ(image, before);
}

} // namespace
} // namespace qv
