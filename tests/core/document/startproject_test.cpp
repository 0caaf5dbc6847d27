#include "scratchfolder.h"

#include "document/languagedefaults.h"
#include "document/languagetable.h"
#include "document/startproject.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <iterator>

namespace qv {
namespace {

StartupOptions optionsIn(const test::ScratchFolder& folder)
{
    StartupOptions options;
    options.appFolderOverride = folder.path() / "app";
    options.sourceDataFolder = QV_SOURCE_DATA_DIR;
    options.environment.tempFolder = folder.path() / "tmp";
    std::filesystem::create_directories(options.environment.tempFolder);
    options.environment.userId = 1000;
    return options;
}

// The document start-up has made by step 8: the icon loaded, the language applied.
ProjectDocument startDocument(const StartupFiles& files, std::vector<std::string>& messages)
{
    ProjectDocument doc;
    loadDefaultIcon(files, doc.settings, messages);
    const LanguageLoad english = LanguageTable::read(languageFile(files.appFolder, "English"));
    EXPECT_TRUE(english.table) << english.error;
    applyLanguageToDocument(doc.settings, *english.table, "English");
    return doc;
}

std::vector<uint8_t> fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StartProject, FirstStartTemplateCarriesTheIconAndTheLanguageTexts)
{
    test::ScratchFolder folder;
    StartupFiles files = prepareStartupFiles(optionsIn(folder));
    ASSERT_TRUE(files.ok()) << files.fatalError;
    std::vector<std::string> messages;
    createStartTemplate(files, startDocument(files, messages));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(files.defaultProjectCreated);

    const StartProject start = openStartProject(files, "");
    ASSERT_TRUE(start.read.ok()) << start.read.message;
    const AppSettings& a = start.read.document.settings;
    EXPECT_EQ(start.read.document.projectPath, files.defaultProject.string());
    EXPECT_EQ(a.windowTitle, "My Application");
    EXPECT_EQ(a.iconBytes, fileBytes(files.defaultIcon));
    EXPECT_FALSE(a.iconBytes.empty());
    EXPECT_EQ(a.iconFilePath, "Default.ico");
    EXPECT_EQ(a.menuCaption(MenuCaption::Fmenu), "&File");
    EXPECT_EQ(a.menuCaption(MenuCaption::Exitit), "E&xit");
    EXPECT_EQ(a.menuCaption(MenuCaption::copyadress), "Copy All...");
    EXPECT_EQ(a.deleteRecordMenuCaption, "&Delete Record");
    EXPECT_EQ(a.commonLabels[0], "&New Record");
    EXPECT_EQ(a.commonLabels[41], "Find");
    EXPECT_EQ(a.textList[0], "Configuration....");
    EXPECT_EQ(a.pageButtonCaptions[4], "Page 5");
    EXPECT_EQ(a.defaultFontName, "Arial");

    // A template that exists is never written over.
    StartupFiles again = prepareStartupFiles(optionsIn(folder));
    createStartTemplate(again, ProjectDocument{});
    EXPECT_FALSE(again.defaultProjectCreated);
    EXPECT_FALSE(openStartProject(again, "").read.document.settings.iconBytes.empty());
}

TEST(StartProject, MissingIconIsReportedAndLeavesTheIconEmpty)
{
    test::ScratchFolder folder;
    StartupFiles files = prepareStartupFiles(optionsIn(folder));
    std::filesystem::remove(files.defaultIcon);
    std::vector<std::string> messages;
    AppSettings settings;
    loadDefaultIcon(files, settings, messages);
    EXPECT_TRUE(settings.iconBytes.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Default.ico"), std::string::npos) << messages[0];

    // A pipe in its place is refused at once rather than waited on.
    ASSERT_EQ(::mkfifo(files.defaultIcon.c_str(), 0600), 0);
    messages.clear();
    loadDefaultIcon(files, settings, messages);
    EXPECT_TRUE(settings.iconBytes.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Default.ico"), std::string::npos) << messages[0];
}

TEST(StartProject, NamedProjectWinsAndABadOneFallsBackToTheTemplate)
{
    test::ScratchFolder folder;
    StartupFiles files = prepareStartupFiles(optionsIn(folder));
    createStartTemplate(files, ProjectDocument{});
    ProjectDocument named;
    named.settings.windowTitle = "Shop";
    const auto shop = folder.path() / "shop.baf";
    ASSERT_TRUE(saveProjectFile(named, shop).ok);
    EXPECT_EQ(openStartProject(files, shop.string()).read.document.settings.windowTitle, "Shop");

    const auto junk = folder.path() / "junk.baf";
    std::ofstream(junk) << "hello";
    const StartProject start = openStartProject(files, junk.string());
    EXPECT_TRUE(start.read.ok());
    EXPECT_EQ(start.read.document.projectPath, files.defaultProject.string());
    EXPECT_NE(start.message.find("junk.baf"), std::string::npos);
}

// A language switch replaces the texts the user left alone and keeps the ones they wrote.
TEST(LanguageDefaults, SwitchKeepsWhatTheUserChanged)
{
    LanguageTable english;
    english.setText(37, "&File");
    english.setText(75, "&New Record");
    english.setText(146, "E&xit");
    LanguageTable swedish;
    swedish.setText(37, "&Arkiv");
    swedish.setText(75, "&Ny post");
    swedish.setText(146, "&Avsluta");
    swedish.charset = 0;
    swedish.font = "Tahoma";

    AppSettings s;
    EXPECT_TRUE(applyLanguageToDocument(s, english, "English"));
    EXPECT_EQ(s.languageCode, 0);
    s.menuCaption(MenuCaption::Exitit) = "Quit";
    s.commonLabels[0].clear();

    struct Case {
        const char* what;
        std::string value;
        std::string expected;
    };
    EXPECT_TRUE(applyLanguageToDocument(s, swedish, "Swedish", &english));
    const std::vector<Case> cases = {
        {"untouched menu", s.menuCaption(MenuCaption::Fmenu), "&Arkiv"},
        {"changed menu kept", s.menuCaption(MenuCaption::Exitit), "Quit"},
        {"emptied label refilled", s.commonLabels[0], "&Ny post"},
        {"entry without a text falls back to English", s.menuCaption(MenuCaption::ops), "&Edit"},
        {"font of the language", s.defaultFontName, "Tahoma"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.value, c.expected) << c.what;
    EXPECT_EQ(s.languageCode, 5);

    // A name that is none of the mapped ones keeps the code; a second run changes nothing.
    EXPECT_TRUE(applyLanguageToDocument(s, english, "Klingon", &swedish));
    EXPECT_EQ(s.languageCode, 5);
    EXPECT_FALSE(applyLanguageToDocument(s, english, "Klingon", &english));
}

} // namespace
} // namespace qv
