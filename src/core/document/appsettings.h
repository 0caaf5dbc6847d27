#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// Menus of the designed window whose captions the project stores, in the stored order.
enum class MenuCaption : int {
    Mlist,
    newin,
    Printingit,
    Exitit,
    copyadress,
    Erasefile,
    Deletemarkrec,
    findenSortAZ,
    findenSortZA,
    Cal,
    infoo,
    Aboutit,
    newview,
    Fmenu,
    ops,
    Finding,
    helpit,
    ViewDoc,
    expot,
    copying,
    pasting,
    Cuting,
    findenSortOldNew,
    findenItem4,
    importmenu,
    Count
};

inline constexpr int kFilePlateCount = 10;
inline constexpr int kOptionalProgramCount = 10;
inline constexpr int kCommonLabelCount = 151;
inline constexpr int kFunctionKeyCount = 12;
inline constexpr int kTextListCount = 60;
inline constexpr int kNotesTableSize = 96;
inline constexpr int kPageSizeCustom = 22;
inline constexpr int16_t kProjectFormatVersion = 23;

struct FilePlate {
    std::string extension;
    std::string templateText;
};

struct OptionalProgram {
    bool visible = false;
    std::string caption;
    std::string commandLine;
};

// The application-wide settings of one designed application: everything the project
// stores besides the objects and the reports. Names follow the dialog controls that edit
// them where a setting has no better name.
struct AppSettings {
    // identity
    std::string windowTitle = "My Application";
    uint8_t languageCode = 0;
    std::string defaultFontName = "Arial";
    int16_t defaultCharset = 0; // Windows character-set number: 0 Western, 204 Cyrillic...
    int16_t formatVersion = kProjectFormatVersion;

    // application icon
    std::vector<uint8_t> iconBytes;
    std::string iconFilePath;

    // data and file plates
    std::array<FilePlate, kFilePlateCount> filePlates;
    std::array<std::string, kFilePlateCount> viewDocumentCaptions;
    std::string dataFileExtension; // Text4
    std::string csvDelimiter = ",";
    std::array<std::string, kTextListCount> textList;

    // look
    std::array<int32_t, 5> colourTable{};
    bool pageSize20Checked = false;
    int16_t pageScrollerValue = 0;
    int32_t pageScrollerColor = 0;
    float surfaceFrameWidth = 0;
    float pageScrollerLeft = 0;
    float surfaceFrameTop = 0;
    float pageScrollerHeight = 0;
    float designWindowWidth = 0;
    float designWindowHeight = 0;
    float menuLabelFrameTop = 0;
    float menuLabelFrameLeft = 0;
    int16_t tileBackgroundMode = 0;
    int16_t pageSizeCode = 0;
    float surfaceWidth = 0; // stored only with page-size code 22
    float surfaceHeight = 0;
    std::array<std::string, 5> pageButtonCaptions{"Page 1", "Page 2", "Page 3", "Page 4", "Page 5"};
    std::string picturePath51;
    std::string picturePath52;

    // menus of the designed window
    std::array<std::string, static_cast<size_t>(MenuCaption::Count)> menuCaptions;
    std::string screenHelpText;
    std::string statisticsCaption = "Statistics";
    std::array<std::string, 7> menuTexts;
    std::string deleteRecordMenuCaption;
    std::string replaceMenuCaption;
    std::array<OptionalProgram, kOptionalProgramCount> optionalPrograms;
    int16_t dateStampFormat = 0;  // DateVal, "Date Stamp"
    int16_t dateStampFormat2 = 0; // DateVal2, "Date"

    // options of the built application
    int16_t calendarOption = 0;
    int16_t aboutBoxOption = 0;
    int16_t calculatorOption = 0;
    bool calculatorMenuVisible = false;
    bool aboutMenuVisible = false;
    int16_t exportOption = 0; // Check4
    int16_t encryption = 0;
    int16_t sizable = 0;
    int16_t check3 = 0;
    int16_t check12 = 0;
    int16_t check13 = 0;
    int16_t check14 = 0;
    int16_t removeButtonRibbon = 0;
    int16_t removeBaseButtonsRibbon = 0;
    int16_t toolBoxField = 0;
    int16_t documentSetting = 0;
    std::string documentString;

    // about box and help
    std::string aboutText;    // Text3
    std::string aboutAddress; // Text6
    std::string helpFileName; // written as the project path + ".chm"
    std::string text5;
    std::string text9;

    // e-mail
    int16_t emailNameField = 0;     // number of the field holding the e-mail name
    int16_t emailFieldBoxIndex = 0; // the field placed with the e-mail tool, 0 when none

    // labels and keys
    std::array<std::string, kCommonLabelCount> commonLabels;
    std::array<std::string, kFunctionKeyCount> functionKeyTexts;

    // search window
    std::array<std::string, 11> searchTexts;
    int16_t searchMultiSelect = 0;
    std::string searchListSelection;
    int16_t searchCheck2 = 0;
    int16_t searchCheck3 = 0;
    int16_t searchExport = 0;
    int16_t searchLastFirst = 0;

    // file properties
    int16_t desktopIconOption = 0;
    std::array<std::string, 9> versionTexts;

    // notes table
    std::array<int32_t, kNotesTableSize> notesTable{};

    std::string& menuCaption(MenuCaption which) { return menuCaptions[static_cast<size_t>(which)]; }
    const std::string& menuCaption(MenuCaption which) const
    {
        return menuCaptions[static_cast<size_t>(which)];
    }
};

} // namespace qv
