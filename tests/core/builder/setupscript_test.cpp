#include "builder/aboutcharmap.h"
#include "builder/builddate.h"
#include "builder/setupscript.h"
#include "builder/webfragment.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv {
namespace {

SetupInputs inputs()
{
    SetupInputs in;
    in.appName = "Shop";
    in.productName = "Shop Manager";
    in.version = "2.1";
    in.outputFolder = "/out/Shop";
    in.programFolder = "/prog";
    return in;
}

bool hasLineStarting(const SetupScript& script, const std::string& start)
{
    return std::any_of(script.lines.begin(), script.lines.end(),
                       [&](const std::string& line) { return line.rfind(start, 0) == 0; });
}

TEST(SetupScript, ConditionalLines)
{
    SetupInputs in = inputs();
    in.licenceText = "0123456789"; // exactly 10: no licence file
    in.readmeText = "01234567890";
    SetupScript script = MakeSetupScript(in);
    EXPECT_FALSE(script.writesLicence);
    EXPECT_FALSE(hasLineStarting(script, "LicenseFile="));
    EXPECT_TRUE(script.writesReadme);
    EXPECT_TRUE(hasLineStarting(script, "InfoBeforeFile=Readme.txt"));
    EXPECT_FALSE(hasLineStarting(script, "AppPublisherURL="));
    EXPECT_FALSE(hasLineStarting(script, "AppPublisher="));
    EXPECT_FALSE(hasLineStarting(script, "Password="));
    EXPECT_EQ(script.lines.back(), "Name: \"{group}\\Shop\"; Filename: \"{app}\\Shop.exe\"")
        << "no trailing line";

    in.webAddress = "http://shop.example";
    in.publisher = "Acme";
    in.password = "pw";
    in.desktopIcon = true;
    script = MakeSetupScript(in);
    EXPECT_TRUE(hasLineStarting(script, "AppPublisherURL=http://http://shop.example/"));
    EXPECT_TRUE(hasLineStarting(script, "AppSupportURL=http://http://shop.example/"));
    EXPECT_TRUE(hasLineStarting(script, "AppUpdatesURL=http://http://shop.example/"));
    EXPECT_TRUE(hasLineStarting(script, "AppPublisher=Acme"));
    EXPECT_TRUE(hasLineStarting(script, "Password=pw"));
    EXPECT_EQ(script.lines.back(),
              "Name: \"desktopicon\"; Description: \"{cm:CreateDesktopIcon}\"; "
              "GroupDescription: \"{cm:AdditionalIcons}\"");
}

TEST(SetupScript, TextThresholdsCountCharactersNotBytes)
{
    struct Case {
        const char* text;
        bool ownFile;
    } cases[] = {
        {"K\xC3\xB8\x62\x65nhavns", false},   // 10 characters, 11 bytes
        {"K\xC3\xB8\x62\x65nhavns!", true},   // 11 characters
        {"\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", false}, // 3 characters, 9 bytes
        {"0123456789", false},
        {"01234567890", true},
    };
    for (const Case& c : cases) {
        SetupInputs in = inputs();
        in.licenceText = c.text;
        in.readmeText = c.text;
        const SetupScript script = MakeSetupScript(in);
        EXPECT_EQ(script.writesLicence, c.ownFile) << c.text;
        EXPECT_EQ(hasLineStarting(script, "LicenseFile="), c.ownFile) << c.text;
        EXPECT_EQ(script.writesReadme, c.ownFile) << c.text;
    }
}

TEST(SetupScript, FilesSectionListsTheExecutablePicturesAndComponent)
{
    SetupInputs in = inputs();
    auto filesOf = [](const SetupScript& script) {
        const auto start = std::find(script.lines.begin(), script.lines.end(), "[Files]");
        const auto end = std::find(start, script.lines.end(), "");
        return std::vector<std::string>(start + 1, end);
    };
    std::vector<std::string> files = filesOf(MakeSetupScript(in));
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], "Source: \"Shop.exe\"; DestDir: \"{app}\"");
    EXPECT_EQ(files[1], "Source: \"/prog/Pagewright.ocx\"; DestDir: \"{sys}\"; Flags: "
                        "restartreplace sharedfile regserver");
    in.pictureFiles = {"Shop1.jpg", "Shop2.gif"};
    files = filesOf(MakeSetupScript(in));
    ASSERT_EQ(files.size(), 4u);
    EXPECT_EQ(files[2], "Source: \"Shop2.gif\"; DestDir: \"{app}\"");
}

TEST(SetupScript, DefaultsForProductNameAndVersion)
{
    struct Case {
        std::string product, version, expectedProduct, expectedVersion;
    };
    const Case cases[] = {
        {"ab", "abc", "Shop", "1"},
        {"", "", "Shop", "1"},
        {"Big", "0", "Big", "1"},
        {"Big", " 2.5b", "Big", " 2.5b"},
        {"\xC3\x85\xC3\xB8", "1", "Shop", "1"}, // two characters in four bytes
        {"\xC3\x85\xC3\xB8r", "1", "\xC3\x85\xC3\xB8r", "1"},
    };
    for (const Case& c : cases) {
        SetupInputs in = inputs();
        in.productName = c.product;
        in.version = c.version;
        ApplySetupDefaults(in);
        EXPECT_EQ(in.productName, c.expectedProduct);
        EXPECT_EQ(in.version, c.expectedVersion);
    }
    EXPECT_EQ(SetupScriptText({"a", ""}), "a\r\n\r\n");
}

TEST(WebFragment, PositionedBlockInPixels)
{
    Script s;
    s.width = 192 * 15;
    s.height = 96 * 15;
    s.left = 48 * 15;
    s.top = 24 * 15;
    s.tag = "<b class=\"x\">Hi</b>";
    EXPECT_EQ(WebFragment(s), "<Div Width=\"192\" Height=\"96\" Style=\"Left:48px; POSITION: "
                              "absolute; Top:24px;\"><b class=\"x\">Hi</b></Div>");
    s.tag.clear();
    s.left = 7.5f * 15;
    const std::string empty = WebFragment(s);
    EXPECT_EQ(empty.substr(empty.size() - 7), "></Div>");
    EXPECT_NE(empty.find("Left:7.5px"), std::string::npos) << empty;
}

TEST(AboutCharMap, IsOneToOneAndKeepsControlCodes)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string out = AboutTextOut(all);
    std::string sorted = out;
    std::sort(sorted.begin(), sorted.end());
    std::string allSorted = all;
    std::sort(allSorted.begin(), allSorted.end());
    EXPECT_EQ(sorted, allSorted);
    EXPECT_EQ(AboutTextIn(out), all);
    for (int b = 0; b < 32; ++b)
        EXPECT_EQ(AboutCharOut(static_cast<uint8_t>(b)), b);
    for (int b = 32; b < 256; ++b)
        EXPECT_NE(AboutCharOut(static_cast<uint8_t>(b)), b);
}

TEST(BuildDate, DayNumbersFromThe1899Epoch)
{
    EXPECT_EQ(BuildDateNumber({1899, 12, 30}), 0);
    EXPECT_EQ(BuildDateNumber({1900, 1, 1}), 2);
    EXPECT_EQ(BuildDateNumber({2000, 1, 1}), 36526);
    const CivilDate back = DateOfBuildNumber(BuildDateNumber({2026, 12, 6}));
    EXPECT_EQ(back.year, 2026);
    EXPECT_EQ(back.month, 12);
    EXPECT_EQ(back.day, 6);
}

} // namespace
} // namespace qv
