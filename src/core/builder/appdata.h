#pragma once

#include "document/appsettings.h"
#include "document/objectrecords.h"
#include "reports/report.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qv {

// What a built application's data block holds: the design as the runtime needs it, in the
// order the block stores it. The builder makes it from the document (BuildAppData), the
// block writer writes it, the block reader gives it back. Object records reuse the
// document's record types; a property the block does not carry keeps its default when read.
// Positions and sizes are twips.

struct BlockPicture {
    Picture picture;            // its name travels in displayPath
    std::string fileName;       // generated name of the embedded file; "" when none
    std::vector<uint8_t> bytes; // the embedded file
};

struct BlockField {
    Field field;
    bool hasFormula = false; // field flag D: the field is recalculated
    std::string searchLabel; // the name used by the search window and the export
    bool frameInUse = false; // a flat, borderless box drawn by its frame
};

struct BlockNotes {
    Notes notes;
    bool frameInUse = false;
};

struct BlockScript {
    std::string fragment; // the web fragment, see WebFragment
    int16_t page = 0;
};

struct BlockReport {
    std::string caption; // entry of the print-report menu; "" for no report
    Report report;
};

// The settings whose place in the block is fixed but which the document names only by the
// dialog control that edits them are given the identities listed beside each member.
struct AppData {
    // 1. header
    std::string aboutText; // after EncodeMarkup; stored through the About substitution
    int16_t pageScrollerValue = 0;
    int32_t pageScrollerColor = 0;
    bool title1Visible = false;
    std::string exportExtension = "csv"; // the data file extension (Text4), "csv" when empty
    int16_t toolBoxField = 0;
    float surfaceWidth = 0;
    float surfaceHeight = 0;
    float pageScrollerHeight = 0;
    bool landscape = false; // page-size entry 20 checked
    int16_t calendarOption = 0;
    std::string replaceMenuCaption;
    std::array<std::string, 6> moduleStrings; // menu texts 1..6 (written again in section 11)
    int16_t encryption = 0;
    std::string csvDelimiter;
    uint8_t languageCode = 0;
    std::string defaultFontName;
    int16_t sizable = 0;
    int16_t defaultCharset = 0; // code page of every text of the block
    std::array<std::string, kTextListCount> textList;

    // 2.-10. objects; titles, fields, combos and notes hold indices 1..C at 0..C-1
    std::vector<Square> squares;
    std::vector<Line> lines;
    std::vector<BlockPicture> pictures;
    std::vector<Title> titles;
    std::vector<BlockField> fields;
    std::vector<Combo> combos;
    std::vector<BlockNotes> notes;
    std::vector<Checkbox> checkboxes;
    std::vector<Button> buttons; // second caption slot: the font name

    // 11. window settings
    int16_t exportOption = 0;
    bool aboutMenuVisible = false; // stored as Integer 0 / -1
    int16_t aboutBoxOption = 0;
    std::string aboutAddress;
    bool calculatorMenuVisible = false;
    std::string helpFileName; // AppName + ".chm"
    std::string text5;
    std::array<std::string, static_cast<size_t>(MenuCaption::Count)> menuCaptions;
    int16_t dateStampFormat = 0;
    std::string text9;
    std::string deleteRecordMenuCaption;
    int16_t dateStampFormat2 = 0;
    int16_t calculatorOption = 0;

    // 12. texts
    std::array<std::string, 81> commonLabels;
    int32_t buildDate = 0; // see builddate.h
    std::array<std::string, kFunctionKeyCount> functionKeyTexts;

    // 13. search window and further settings
    std::array<int16_t, 11> searchColumnRefs{}; // reference codes, 0 for none
    std::string documentString;
    int16_t searchMultiSelect = 0;
    int16_t searchCheck2 = 0;
    int16_t searchCheck3 = 0;
    int16_t searchExport = 0;
    int16_t searchLastFirst = 0;
    bool menuLabelFrameVisible = true;
    float menuLabelFrameTop = 0;
    float menuLabelFrameLeft = 0;
    int16_t check12 = 0;
    int16_t check13 = 0;
    std::string searchListSelection;
    std::string statisticsCaption;
    bool tileBackgroundVisible = false;
    std::string windowTitle;
    int16_t check14 = 0;
    bool baseButtonsVisible = true;
    int16_t emailNameField = 0;
    int16_t emailFieldBoxIndex = 0;
    int16_t removeButtonRibbon = 0;

    // 14. web scripts
    std::vector<BlockScript> scripts;

    // 15. file plates
    std::string viewMenuTitle;
    std::array<FilePlate, kFilePlateCount> filePlates;
    std::array<std::string, kFilePlateCount> viewDocumentCaptions;
    std::array<int32_t, 5> colourTable{};

    // 16. report slots 0..R-1 (slot 0 is never written)
    std::vector<BlockReport> reports{BlockReport{}};

    // 17. last picture
    std::string lastPictureName;
    std::vector<uint8_t> lastPictureBytes;

    // 18. per field its formula, default text and date offset, which the live formulas of
    // the runtime need. Added after the fixed sections so that a runtime reading only those
    // is not disturbed; absent in a block that ends after section 17.
    std::vector<std::string> fieldFormulas;
    std::vector<std::string> fieldTexts;
    std::vector<int16_t> fieldDateOffsets;

    // 19. the optional programs of the Programs menu and the captions of the page buttons;
    // absent in a block that ends after section 18 (defaults: no programs, "Page 1"..).
    std::array<OptionalProgram, kOptionalProgramCount> optionalPrograms;
    std::array<std::string, 5> pageButtonCaptions{"Page 1", "Page 2", "Page 3", "Page 4", "Page 5"};
};

inline constexpr int kFieldExtrasSection = 18;
inline constexpr int kBlockSectionCount = 19;

} // namespace qv
