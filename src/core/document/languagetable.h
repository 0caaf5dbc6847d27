#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Numbers of the language texts that the program itself addresses. The other entries are
// free for the windows to use as the shipped English file describes them.
namespace text {
inline constexpr int OpenButton = 6;         // open button of the file dialog
inline constexpr int DefaultLabel = 27;      // caption of a new label
inline constexpr int FileMenu = 37;          // "File" menu; also "<ext> File" view entries
inline constexpr int EditMenu = 38;
inline constexpr int InsertMenu = 40;
inline constexpr int FormatMenu = 41;
inline constexpr int CreateButton = 59;      // build button of Create Application
inline constexpr int PicturePlacesFull = 63; // no free picture place for the image tool
inline constexpr int SaveBeforeClosing = 65; // question when closing a modified project
inline constexpr int TitlesFull = 67;        // the "kind is full" messages, one per kind
inline constexpr int FieldsFull = 68;
inline constexpr int NotesFull = 69;
inline constexpr int CombosFull = 70;
inline constexpr int PicturesFull = 71;
inline constexpr int LinesFull = 72;
inline constexpr int CheckboxesFull = 73;
inline constexpr int SquaresFull = 74;
inline constexpr int DeleteRecordMenu = 79; // designed window's delete-record menu
inline constexpr int OutOfMemory = 82;
inline constexpr int PrintLabel = 110; // the panel's print-on-report box
// The property panel and the page-size, unit and grid menus of the main window.
inline constexpr int PropertiesPanel = 124;
inline constexpr int LeftBox = 125; // the four position boxes
inline constexpr int TopBox = 126;
inline constexpr int WidthBox = 127;
inline constexpr int HeightBox = 128;
inline constexpr int FontLabel = 129;
inline constexpr int FontSizeLabel = 130;
inline constexpr int BoldBox = 131;
inline constexpr int ItalicBox = 132;
inline constexpr int UnderlineBox = 133;
inline constexpr int TextColour = 134;
inline constexpr int BackColour = 135;
inline constexpr int BorderColour = 136;
inline constexpr int BorderStyle = 137;
inline constexpr int AlignmentLabel = 140;
inline constexpr int LeftAligned = 141;
inline constexpr int Centered = 142;
inline constexpr int RightAligned = 143;
inline constexpr int AllPagesBox = 144;
inline constexpr int TabOrderLabel = 147;
inline constexpr int PixelsUnit = 148; // 148..151: the units, in the order of the unit menu
inline constexpr int SnapToGrid = 153;
inline constexpr int GridSizeMenu = 154;
inline constexpr int PageSizeMenu = 155;
inline constexpr int CustomPageSize = 156;
inline constexpr int FieldNameLabel = 158;
inline constexpr int FieldLengthLabel = 159;
inline constexpr int ExitMenu = 146; // designed window's exit menu
inline constexpr int SaveAsCaption = 183;
inline constexpr int SaveAsButton = 184;
inline constexpr int LanguageEditorCaption = 188;
inline constexpr int ReplaceFileQuestion = 226; // "*" stands for the path
inline constexpr int NotAProjectFile = 229;
inline constexpr int CreatingApplication = 236; // progress text of the builder
inline constexpr int WriteSetupScript = 240;    // the builder's setup steps
inline constexpr int CompileSetup = 241;
inline constexpr int TutorialsMenu = 288;
inline constexpr int DeleteMenu = 289;
inline constexpr int FieldsTooShort = 298; // fields hold fewer than 30 characters in all
} // namespace text

struct LanguageLoad;

// The language texts of the user interface, entries 1..300 addressed by number (entry 0
// is always empty), with the default character set and font that the language gives to
// new designed applications.
//
// A language file holds one text per line: lines 1..300 are the entries, line 301 the
// character set (a Windows character-set number), line 302 the font; later lines are
// ignored. CR LF and LF line ends are both read; the writer uses CR LF.
//
// Encoding: a file that is valid UTF-8 is taken as UTF-8 (a byte order mark is dropped);
// any other file is in the Windows code page of its own character-set line (windows-1252
// for 0). The table remembers which it was and writes the same way.
//
// Incomplete files: fewer than 300 text lines, or a character-set line that is not a whole
// number 0..255, mean the texts are not where the numbers say (a line lost or added), so
// the file is refused with an error naming the file and the line. A file whose 300 texts
// are all there but whose character-set or font line is missing or empty is used with the
// defaults 0 and "Arial", and a warning.
class LanguageTable {
public:
    static constexpr int kEntryCount = 300;
    static constexpr int kDefaultCharset = 0;
    static constexpr std::string_view kDefaultFont = "Arial";

    enum class Encoding : uint8_t { CodePage, Utf8, Utf8WithBom };

    // The text of entry n; empty for 0 and for numbers outside 1..300.
    const std::string& text(int n) const;
    // Sets entry n (1..300); other numbers are ignored.
    void setText(int n, std::string value);

    int charset = kDefaultCharset;
    std::string font{kDefaultFont};
    Encoding encoding = Encoding::CodePage;

    // Reads a language file; `path` is used in the messages.
    static LanguageLoad read(const std::filesystem::path& path);
    // Parses the bytes of a language file; `fileName` is used in the messages.
    static LanguageLoad parse(std::string_view bytes, const std::string& fileName);

    // Writes the table in the file format above, through a temporary file renamed over the
    // target. Refused, with `error` naming the entry, when a text holds a line break or a
    // character that the code page of the table's character set cannot hold.
    bool write(const std::filesystem::path& path, std::string& error) const;
    // The bytes that write() puts in the file.
    bool serialize(std::string& bytes, std::string& error) const;

private:
    std::array<std::string, kEntryCount + 1> entries_;
};

// What reading a language file gave: the table, or an error that names the file and the
// line at fault. Warnings are for a file that was usable but not complete.
struct LanguageLoad {
    std::optional<LanguageTable> table;
    std::string error;
    std::vector<std::string> warnings;
};

// Folder of the language files and the file of one language inside the program folder.
std::filesystem::path languagesFolder(const std::filesystem::path& appFolder);
std::filesystem::path languageFile(const std::filesystem::path& appFolder, std::string_view name);

// A usable language name: not empty, no path separator, not "." or "..", so that it stays
// a plain file name inside the languages folder.
bool isValidLanguageName(std::string_view name);

// The languages available in a folder: the names of its "*.txt" files without ".txt",
// sorted by name without regard to ASCII case. A missing folder gives no languages.
std::vector<std::string> listLanguages(const std::filesystem::path& folder);

// The project language code for a chosen language: "Dutch" 2, "Swedish" 5, "Russian" 6,
// "Spanish (Standard)" 7; any other name keeps `current`.
uint8_t languageCodeFor(std::string_view name, uint8_t current);

} // namespace qv
