#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One record type per kind of object. Every property of an object lives here, also the
// ones a canvas control would otherwise hold (position, size, colours, font, caption).
// Positions and sizes are twips, as the project file stores them; see units.h for pixels.
// Colours are 0x00BBGGRR values, as the file stores them.

namespace qv {

// A field's case rule, the index of its option "lower", "UPPER", "Caps", "Plain".
inline constexpr uint8_t kCaseLower = 0;
inline constexpr uint8_t kCasePlain = 3;

struct Title {
    int16_t page = 0;
    bool visible = true;
    int16_t alignment = 0;
    uint8_t titleState = 0; // print-on-report flag; the date-stamp labels keep their format here
    std::string fontName = "Arial";
    bool fontItalic = false;
    bool fontBold = false;
    bool fontUnderline = false;
    float fontSize = 9;
    int32_t foreColor = 0;
    float left = 0;
    float top = 0;
    std::string caption;
    std::string tag;
    std::string toolTipText;
};

struct Field {
    uint8_t fieldState = 0;
    bool dummyField = false; // shown, but not stored as record data
    int16_t page = 0;
    uint8_t noDefaultDate = 0;
    bool visible = true;
    uint8_t lockEnabled = 0; // cannot be changed once entered
    int16_t printon = 1;
    uint8_t noSearch = 0;
    float width = 1500;
    float height = 285;
    int32_t maxLength = 0; // field length in characters
    float top = 0;
    float left = 0;
    std::string fontName = "Arial";
    int32_t foreColor = 0;
    bool fontBold = false;
    bool fontItalic = false;
    int32_t backColor = 0xFFFFFF;
    float fontSize = 9;
    std::string tag; // the field's name: search, export and file plates
    int16_t tabOrder = 0;
    int16_t appearance = 0;
    int16_t borderStyle = 0;
    // Stored only for a flat box without border, which its frame draws.
    int32_t frameBorderColor = 0;
    int32_t frameFillColor = 0xFFFFFF;
    // Border style of the frame around the text box (the panel's BF). Not stored in the
    // project file; the object clipboard carries it.
    int32_t frameStyle = 1;
    // How much wider and taller the frame is than the text box, in pixels (its corner is
    // always 3 pixels up and left of the box's). Not stored in the project file, where every
    // frame fits its box with 6; the object clipboard carries the frame.
    float frameExtraWidth = 6;
    float frameExtraHeight = 6;
    int16_t alignment = 0;
    std::string toolTipText;
    int16_t dateOffsetDays = 0;
    uint8_t caseRule = 0;    // kCaseLower .. kCasePlain
    uint8_t fieldFormat = 0; // 0..12
    std::string fieldFormula;
    std::string text; // default content

    bool framed() const { return appearance == 0 && borderStyle == 0; }
};

struct Notes {
    int16_t page = 0;
    bool visible = true;
    uint8_t lockEnabled = 0;
    uint8_t notesState = 0;
    uint8_t noSearch = 0;
    float width = 3000;
    float height = 1200;
    int32_t maxLength = 0;
    float top = 0;
    float left = 0;
    int32_t foreColor = 0;
    std::string fontName = "Arial";
    bool fontBold = false;
    bool fontItalic = false;
    int32_t backColor = 0xFFFFFF;
    float fontSize = 9;
    std::string tag;
    int16_t tabOrder = 0;
    int16_t appearance = 0;
    int16_t borderStyle = 0;
    int32_t frameBorderColor = 0;
    int32_t frameFillColor = 0xFFFFFF;
    // Border style of the frame around the text box (the panel's BF). Not stored in the
    // project file; the object clipboard carries it.
    int32_t frameStyle = 1;
    // As for Field.
    float frameExtraWidth = 6;
    float frameExtraHeight = 6;
    std::string toolTipText;

    bool framed() const { return appearance == 0 && borderStyle == 0; }
};

struct Combo {
    int32_t noChart = 0; // the field can be charted
    int16_t textCase = 0;
    int16_t maxLength = 0;
    int32_t page = 0;
    bool visible = true;
    int32_t lockEnabled = 0;
    int32_t printon = 1;
    int32_t noSearch = 0;
    int32_t comboOption = 0;
    float width = 1500;
    float top = 0;
    float left = 0;
    int32_t foreColor = 0;
    bool fontBold = false;
    bool fontItalic = false;
    int32_t backColor = 0xFFFFFF;
    float fontSize = 9;
    std::string fontName = "Arial";
    std::string tag;
    int32_t tabOrder = 0;
    std::string toolTipText;
    int32_t border = 0;
    int32_t backStyle = 0;
    std::vector<std::string> listItems;
};

struct Picture {
    std::string displayPath;
    int16_t page = 0;
    bool visible = true;
    uint8_t pictureState = 0;
    float height = 1500;
    float width = 1500;
    // Where the image is on disk now (a file the user chose, or the copy taken out of the
    // project into the picture work folder).
    std::string sourcePath;
    // The file name stored in the project; empty means the base name of sourcePath. It
    // differs when two pictures of one project share a name and the work-folder copy had
    // to be renamed.
    std::string storedFileName;
    // The image file's bytes as last read from a project. Saving embeds these, so that a
    // work folder emptied by another start of the program loses nothing.
    std::shared_ptr<const std::vector<uint8_t>> imageBytes;
    float top = 0;
    float left = 0;
    std::string toolTipText;
    int16_t appearance = 0;
    bool stretch = true;
    int16_t borderStyle = 0;
    std::string tag; // link: web address, e-mail address or program path
};

struct Checkbox {
    uint8_t checkState = 0;
    int16_t page = 0;
    bool visible = true;
    uint8_t printon = 1;
    uint8_t lockEnabled = 0;
    uint8_t noChart = 0;   // the field can be charted
    int16_t foreStyle = 0; // picture set of the boxes
    float top = 0;
    float left = 0;
    std::string tag;
    int16_t tabOrder = 0;
    std::string toolTipText;
    uint8_t optionBx = 0; // option-box mode when not 0
    int16_t borderStyle = 0;
};

struct Square {
    int16_t page = 0;
    uint8_t squareState = 0;
    bool visible = true;
    int32_t backColor = 0xFFFFFF;
    int32_t borderColor = 0;
    int32_t fillColor = 0;
    int16_t shape = 0;
    int16_t borderWidth = 1;
    int16_t fillStyle = 1;
    int16_t borderStyle = 1;
    float width = 1500;
    float height = 1500;
    float top = 0;
    float left = 0;
};

struct Line {
    int16_t page = 0;
    bool visible = true;
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
    int32_t borderColor = 0;
    uint8_t lineState = 0;
};

struct Button {
    int16_t page = 0;
    std::string caption;
    std::string tag;
    std::string fontName = "Arial"; // the record's second text slot
    std::string toolTipText;
    int32_t backColor = 0xC0E0FF;
    int32_t fontSize = 9;
    float top = 0;
    float left = 0;
    float width = 1200;
    float height = 375;
    int32_t renderColor = 0xC0C0C0;
    int32_t border = 0;
    int16_t tabOrder = 0;
    std::string buttonAction; // the script or action text
    // Kind of action the built application takes; carried by the object clipboard, not
    // stored in the project file.
    int16_t actionCode = 0;
};

struct Script {
    float width = 1500;
    float height = 1500;
    float left = 0;
    float top = 0;
    std::string tag; // the script text
    int16_t page = 0;
};

} // namespace qv
