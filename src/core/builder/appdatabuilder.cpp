#include "builder/appdatabuilder.h"

#include "builder/designsurface.h"
#include "builder/webfragment.h"
#include "designer/configuration.h"
#include "document/filebytes.h"
#include "formula/markup.h"
#include "formula/prepareformula.h"

#include <cctype>
#include <cstdlib>

namespace qv {

namespace {

template <class T> void nameUnnamed(ObjectTable<T>& table, const std::string& stem)
{
    for (int i : table.indices()) {
        if (table[i].tag.empty())
            table[i].tag = stem + std::to_string(i);
    }
}

// The last four characters of a path, kept as the copy's extension when they are letters,
// digits and dots: a separator could lead the copy out of the application's folder, and a
// quote or a brace would change the setup script that names the copy.
std::string extensionOf(const std::string& path)
{
    if (path.size() < 4)
        return {};
    std::string ext = path.substr(path.size() - 4);
    for (char c : ext) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
        if (!plain)
            return {};
    }
    return ext;
}

// Numbers embedded pictures from 1 in the order they are written.
class PictureNumbering {
public:
    explicit PictureNumbering(std::string appName) : appName_(std::move(appName)) {}
    std::string next(const std::string& sourceName)
    {
        return appName_ + std::to_string(++count_) + extensionOf(sourceName);
    }

private:
    std::string appName_;
    int count_ = 0;
};

// The image of a picture: the bytes it carries, or the file the user chose for it. Only an
// absolute path is read: a plain name came from a file and names nothing the user chose,
// and reading it would take whatever file of that name lies in the current folder.
bool readImageFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error)
{
    if (!std::filesystem::path(path).is_absolute()) {
        error = path + ": not a full path to a file";
        return false;
    }
    return ReadFileBytes(path, filelimit::kPicture, bytes, error);
}

void embedPicture(const Picture& picture, PictureNumbering& numbering, BlockPicture& out,
                  std::vector<std::string>& warnings, int index)
{
    const std::string source =
        picture.storedFileName.empty() ? picture.sourcePath : picture.storedFileName;
    out.bytes.clear();
    if (picture.imageBytes) {
        out.bytes = *picture.imageBytes;
    } else if (!picture.sourcePath.empty()) {
        std::string error;
        if (!readImageFile(picture.sourcePath, out.bytes, error))
            warnings.push_back("Picture " + std::to_string(index) + ": " + error +
                               "; built without its image");
    }
    // A picture with no bytes has no image.
    if (out.bytes.empty())
        return;
    out.fileName = numbering.next(source);
}

} // namespace

double LeadingNumber(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const std::string rest = text.substr(i);
    char* end = nullptr;
    const double value = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str())
        return 0;
    // Only plain decimal notation: "0x1F", "inf" and "nan" are not numbers here.
    for (const char* p = rest.c_str(); p < end; ++p) {
        if (!std::isdigit(static_cast<unsigned char>(*p)) && *p != '.' && *p != '-' && *p != '+' &&
            *p != 'e' && *p != 'E')
            return 0;
    }
    return value;
}

int16_t SearchColumnCode(const ProjectDocument& document, const std::string& entry)
{
    if (entry.empty())
        return 0;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(entry[0])));
    const double number = LeadingNumber(entry.substr(1));
    int base = 0;
    int first = 1;
    int count = 0;
    switch (letter) {
    case 'F': count = document.fields.highWater(); break;
    case 'C':
        base = 2000;
        count = document.combos.highWater();
        break;
    case 'K':
        base = 4000;
        first = 0;
        count = document.checkboxes.highWater();
        break;
    case 'M':
        base = 6000;
        count = document.notes.highWater();
        break;
    default: return 0;
    }
    if (number < first || number > count || number != static_cast<int>(number))
        return 0;
    return static_cast<int16_t>(base + static_cast<int>(number));
}

void PrepareDocumentForBuild(ProjectDocument& document)
{
    for (int i : document.pictures.indices()) {
        if (document.pictures[i].displayPath.empty())
            document.pictures[i].displayPath = "Image_" + std::to_string(i);
    }
    nameUnnamed(document.fields, "Field_");
    nameUnnamed(document.combos, "Combo_Field_");
    nameUnnamed(document.notes, "Notes_Field_");
    nameUnnamed(document.checkboxes, "CheckBox_Field_");
    // An "xml" plate left empty gets the default plate of the current objects.
    for (FilePlate& plate : document.settings.filePlates) {
        if (plate.extension == "xml" && plate.templateText.empty())
            plate.templateText = xmlPlate(document);
    }
    for (std::string& entry : document.settings.searchTexts) {
        if (SearchColumnCode(document, entry) == 0)
            entry = "0";
    }
}

int FieldCapacity(const ProjectDocument& document)
{
    int64_t total = 0;
    for (int i : document.fields.indices())
        total += document.fields[i].maxLength;
    for (int i : document.notes.indices())
        total += document.notes[i].maxLength;
    for (int i : document.combos.indices())
        total += document.combos[i].maxLength;
    for (int i = 1; i <= document.checkboxes.highWater(); ++i)
        total += 1;
    return static_cast<int>(std::clamp<int64_t>(total, INT32_MIN, INT32_MAX));
}

AppDataBuild BuildAppData(const ProjectDocument& document, const std::string& appName,
                          const CivilDate& buildDate)
{
    AppDataBuild build;
    AppData& a = build.data;
    const AppSettings& s = document.settings;
    PictureNumbering numbering(appName);

    a.aboutText = EncodeMarkup(s.aboutText);
    a.pageScrollerValue = s.pageScrollerValue;
    a.pageScrollerColor = s.pageScrollerColor;
    a.title1Visible = document.titles.highWater() >= 1 && document.titles[1].visible;
    a.exportExtension = s.dataFileExtension.empty() ? "csv" : s.dataFileExtension;
    a.toolBoxField = s.toolBoxField;
    const SurfaceSize surface = DesignSurfaceSize(s);
    a.surfaceWidth = surface.width;
    a.surfaceHeight = surface.height;
    a.pageScrollerHeight = s.pageScrollerHeight;
    a.landscape = s.pageSize20Checked;
    a.calendarOption = s.calendarOption;
    a.replaceMenuCaption = s.replaceMenuCaption;
    for (size_t i = 0; i < a.moduleStrings.size(); ++i)
        a.moduleStrings[i] = s.menuTexts[i + 1];
    a.encryption = s.encryption;
    a.csvDelimiter = s.csvDelimiter;
    a.languageCode = s.languageCode;
    a.defaultFontName = s.defaultFontName;
    a.sizable = s.sizable;
    a.defaultCharset = s.defaultCharset;
    a.textList = s.textList;

    for (int i : document.squares.indices())
        a.squares.push_back(document.squares[i]);
    for (int i : document.lines.indices())
        a.lines.push_back(document.lines[i]);
    for (int i : document.pictures.indices()) {
        BlockPicture picture;
        picture.picture = document.pictures[i];
        picture.picture.imageBytes.reset();
        if (picture.picture.page < kParkedPage)
            embedPicture(document.pictures[i], numbering, picture, build.warnings, i);
        a.pictures.push_back(std::move(picture));
    }
    for (int i : document.titles.indices())
        a.titles.push_back(document.titles[i]);
    for (int i : document.fields.indices()) {
        const Field& f = document.fields[i];
        a.fields.push_back({f, !f.fieldFormula.empty(), f.tag, f.framed()});
        a.fieldFormulas.push_back(f.fieldFormula);
        a.fieldTexts.push_back(f.text);
        a.fieldDateOffsets.push_back(f.dateOffsetDays);
    }
    for (int i : document.combos.indices())
        a.combos.push_back(document.combos[i]);
    for (int i : document.notes.indices())
        a.notes.push_back({document.notes[i], document.notes[i].framed()});
    for (int i : document.checkboxes.indices())
        a.checkboxes.push_back(document.checkboxes[i]);
    const ObjectCounts counts{document.fields.highWater(), document.notes.highWater(),
                              document.combos.highWater(), document.checkboxes.highWater() + 1};
    for (int i : document.buttons.indices()) {
        a.buttons.push_back(document.buttons[i]);
        a.buttons.back().buttonAction = PrepareFormula(document.buttons[i].buttonAction, counts);
    }

    a.exportOption = s.exportOption;
    a.aboutMenuVisible = s.aboutMenuVisible;
    a.aboutBoxOption = s.aboutBoxOption;
    a.aboutAddress = s.aboutAddress;
    a.calculatorMenuVisible = s.calculatorMenuVisible;
    a.helpFileName = appName + ".chm";
    a.text5 = s.text5;
    a.menuCaptions = s.menuCaptions;
    a.dateStampFormat = s.dateStampFormat;
    a.text9 = s.text9;
    a.deleteRecordMenuCaption = s.deleteRecordMenuCaption;
    a.dateStampFormat2 = s.dateStampFormat2;
    a.calculatorOption = s.calculatorOption;

    for (size_t i = 0; i < a.commonLabels.size(); ++i)
        a.commonLabels[i] = s.commonLabels[i];
    a.buildDate = BuildDateNumber(buildDate);
    a.functionKeyTexts = s.functionKeyTexts;

    for (size_t i = 0; i < a.searchColumnRefs.size(); ++i)
        a.searchColumnRefs[i] = SearchColumnCode(document, s.searchTexts[i]);
    a.documentString = s.documentString;
    a.searchMultiSelect = s.searchMultiSelect;
    a.searchCheck2 = s.searchCheck2;
    a.searchCheck3 = s.searchCheck3;
    a.searchExport = s.searchExport;
    a.searchLastFirst = s.searchLastFirst;
    a.menuLabelFrameVisible = true;
    a.menuLabelFrameTop = s.menuLabelFrameTop;
    a.menuLabelFrameLeft = s.menuLabelFrameLeft;
    a.check12 = s.check12;
    a.check13 = s.check13;
    a.searchListSelection = s.searchListSelection;
    a.statisticsCaption = s.statisticsCaption;
    a.tileBackgroundVisible = s.tileBackgroundMode != 0;
    a.windowTitle = s.windowTitle;
    a.check14 = s.check14;
    a.baseButtonsVisible = s.removeBaseButtonsRibbon == 0;
    a.emailNameField = s.emailNameField;
    a.emailFieldBoxIndex = s.emailFieldBoxIndex;
    a.removeButtonRibbon = s.removeButtonRibbon;

    for (int i : document.scripts.indices())
        a.scripts.push_back({WebFragment(document.scripts[i]), document.scripts[i].page});

    a.viewMenuTitle = s.menuCaption(MenuCaption::ViewDoc);
    a.filePlates = s.filePlates;
    a.viewDocumentCaptions = s.viewDocumentCaptions;
    a.colourTable = s.colourTable;

    a.reports.clear();
    for (const ReportSlot& slot : document.reportSlots)
        a.reports.push_back({slot.removed ? std::string() : slot.caption, slot.report});
    if (a.reports.empty())
        a.reports.emplace_back();

    a.optionalPrograms = s.optionalPrograms;
    a.pageButtonCaptions = s.pageButtonCaptions;

    std::string error;
    if (!s.picturePath52.empty() && readImageFile(s.picturePath52, a.lastPictureBytes, error) &&
        !a.lastPictureBytes.empty())
        a.lastPictureName = numbering.next(s.picturePath52);
    else
        a.lastPictureBytes.clear();
    std::error_code ec;
    if (!error.empty() && std::filesystem::symlink_status(s.picturePath52, ec).type() !=
                              std::filesystem::file_type::not_found)
        build.warnings.push_back("The last picture: " + error + "; built without it");
    return build;
}

std::vector<EmbeddedPicture> EmbeddedPictures(const AppData& data)
{
    std::vector<EmbeddedPicture> pictures;
    for (const BlockPicture& picture : data.pictures) {
        if (!picture.fileName.empty())
            pictures.push_back({picture.fileName, &picture.bytes});
    }
    if (!data.lastPictureName.empty())
        pictures.push_back({data.lastPictureName, &data.lastPictureBytes});
    return pictures;
}

} // namespace qv
