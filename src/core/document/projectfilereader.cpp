#include "document/filebytes.h"
#include "document/geometryrepair.h"
#include "document/objectlayouts.h"
#include "document/projectfile.h"
#include "document/recordio.h"
#include "document/settingslayouts.h"
#include "reports/reportstorage.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <system_error>

namespace qv {

namespace {

// A file of another format version: readable bytes, but not a layout this program knows.
class UnsupportedVersion : public RecordError {
public:
    using RecordError::RecordError;
};

// The signature's length word and its first three characters.
constexpr size_t kSignatureHeadSize = 5;

constexpr const char* kBlankTitleCaption = "This Blank Label Was Found, Just Delete Me";

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Reads a count and checks it against the kind's limit before anything is allocated; every
// record takes at least `minRecordBytes`, so the rest of the file bounds it too.
int readCount(RecordReader& reader, int low, int high, const std::string& what,
              int64_t minRecordBytes = 16)
{
    const int64_t at = reader.filePos();
    const int count = reader.getInteger();
    if (count < low || count > high) {
        reader.setFilePos(at);
        reader.fail("the number of " + what + " is " + std::to_string(count) + ", outside " +
                    std::to_string(low) + ".." + std::to_string(high));
    }
    if (static_cast<int64_t>(count - low) * minRecordBytes > reader.remaining()) {
        reader.setFilePos(at);
        reader.fail("the file is too short for " + std::to_string(count) + " " + what);
    }
    return count;
}

template <class T, class Record>
void readSection(ReadWalker& walker, ObjectTable<T>& table, int highWater, Record record)
{
    table.setHighWater(highWater);
    for (int i : table.indices())
        record(walker, table[i]);
}

// Two-pass sections store the highest index after compaction (Titles: the number of them).
template <class T, class Record>
void readTwoPass(ReadWalker& walker, ObjectTable<T>& table, Record record)
{
    const int count = readCount(walker.reader(), table.firstIndex() - 1, table.highestIndex(),
                                std::string(kindName(table.kind())) + " objects");
    readSection(walker, table, count, record);
}

template <class T, class Record>
void readFull(ReadWalker& walker, ObjectTable<T>& table, Record record)
{
    const int count = readCount(walker.reader(), table.firstIndex() - 1, table.highestIndex(),
                                std::string(kindName(table.kind())) + " objects");
    readSection(walker, table, count, record);
}

class PictureExtractor {
public:
    PictureExtractor(std::filesystem::path folder, std::vector<std::string>& warnings)
        : folder_(std::move(folder)), warnings_(warnings)
    {
    }

    void read(ReadWalker& walker, Picture& picture)
    {
        layout::picture(walker, picture, [this](ReadWalker& w, Picture& p) {
            const std::string storedName = w.reader().getStr();
            if (storedName.empty())
                return;
            auto bytes = std::make_shared<const std::vector<uint8_t>>(w.reader().getBlob());
            // A name without bytes is no image; the name alone must never lead anyone to
            // a file of that name elsewhere.
            if (!bytes->empty())
                place(p, storedName, bytes);
        });
    }

private:
    // The image goes to the work folder under its plain base name; a name taken already by
    // another picture of this project gets a number, so no picture overwrites another.
    void place(Picture& picture, const std::string& storedName,
               std::shared_ptr<const std::vector<uint8_t>> bytes)
    {
        picture.imageBytes = bytes;
        picture.storedFileName = storedName;
        std::string name = safeBaseName(storedName);
        if (name.empty())
            name = "picture";
        if (folder_.empty()) {
            picture.sourcePath = name;
            return;
        }
        const std::string stem = std::filesystem::path(name).stem().string();
        const std::string extension = std::filesystem::path(name).extension().string();
        for (int n = 2; used_.count(name) > 0; ++n)
            name = stem + "-" + std::to_string(n) + extension;
        used_.insert(name);
        const std::filesystem::path target = folder_ / name;
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes->data()),
                  static_cast<std::streamsize>(bytes->size()));
        if (!out)
            warnings_.push_back("cannot write the picture " + target.string());
        picture.sourcePath = target.string();
    }

    std::filesystem::path folder_;
    std::vector<std::string>& warnings_;
    std::set<std::string> used_;
};

void readReports(RecordReader& reader, ProjectDocument& document)
{
    // The slot count is a Byte, or an Integer when a save left out removed reports.
    const bool asInteger = reader.peekVarTag() == static_cast<uint16_t>(VarType::Integer);
    // A slot with no report is only its empty caption: two bytes.
    const int count = readCount(reader, 0, kMaxReportSlots, "report slots", 2);
    document.reportCountStoredAsInteger = asInteger;
    document.reportSlots.assign(static_cast<size_t>(count), ReportSlot{});
    for (ReportSlot& slot : document.reportSlots) {
        slot.caption = reader.getStr();
        if (!slot.caption.empty())
            slot.report = loadReport(reader);
    }
}

void readBody(RecordReader& reader, ProjectDocument& document, const ProjectReadOptions& options,
              std::vector<std::string>& warnings)
{
    ReadWalker w(reader);
    AppSettings& a = document.settings;
    reader.getRawStr(); // signature, checked by the caller
    const std::string rawTitle = reader.getRawStr();
    w.byte(a.languageCode);
    const std::string rawFont = reader.getRawStr();
    w.integer(a.defaultCharset);
    // The title and the font name come before the character set that they are written in.
    const CodePage codePage = CodePage::forCharset(a.defaultCharset);
    reader.setCodePage(codePage);
    a.windowTitle = codePage.toUtf8(rawTitle);
    a.defaultFontName =
        options.keepDefaultFont ? options.currentDefaultFont : codePage.toUtf8(rawFont);
    const int64_t versionAt = reader.filePos();
    w.integer(a.formatVersion);
    if (a.formatVersion != kProjectFormatVersion) {
        reader.setFilePos(versionAt);
        throw UnsupportedVersion("format version " + std::to_string(a.formatVersion) +
                                     " is not supported; this program reads version 23",
                                 versionAt - 1);
    }
    reader.getRawStr(); // "C"
    const int64_t iconSize = static_cast<int64_t>(reader.getLong()) + 1;
    if (iconSize < 0 || iconSize > reader.remaining())
        reader.fail("the application icon claims " + std::to_string(iconSize) +
                    " bytes, more than the file holds");
    a.iconBytes = reader.getBytes(static_cast<size_t>(iconSize));
    layout::settingsAfterIcon(w, a, a.helpFileName);

    readTwoPass(w, document.squares, [](ReadWalker& ww, Square& s) { layout::square(ww, s); });
    readTwoPass(w, document.lines, [](ReadWalker& ww, Line& l) { layout::line(ww, l); });

    layout::settingsBeforePictures(w, a);
    PictureExtractor extractor(options.pictureWorkFolder, warnings);
    readFull(w, document.pictures,
             [&extractor](ReadWalker& ww, Picture& p) { extractor.read(ww, p); });

    readFull(w, document.fields, [](ReadWalker& ww, Field& f) { layout::field(ww, f); });
    readTwoPass(w, document.titles, [](ReadWalker& ww, Title& t) {
        layout::title(ww, t);
        // A hidden label (the reserved date and record-number labels before they are
        // placed) is empty on purpose; only one the user would see is named.
        if (t.visible && trimmed(t.caption).empty())
            t.caption = kBlankTitleCaption;
    });
    readFull(w, document.combos, [](ReadWalker& ww, Combo& c) {
        layout::comboHead(ww, c);
        RecordReader& r = ww.reader();
        const int32_t items = r.getLong();
        // Each item takes at least its two length bytes.
        if (items < 0 || static_cast<int64_t>(items) * 2 > r.remaining())
            r.fail("a combo claims " + std::to_string(items) +
                   " list items, more than the file holds");
        c.listItems.resize(static_cast<size_t>(items));
        for (std::string& item : c.listItems)
            ww.str(item);
    });
    readFull(w, document.notes, [](ReadWalker& ww, Notes& n) { layout::notes(ww, n); });

    layout::notesTable(w, a);
    layout::menuSettings(w, a);
    readTwoPass(w, document.checkboxes,
                [](ReadWalker& ww, Checkbox& c) { layout::checkbox(ww, c); });
    readTwoPass(w, document.buttons, [](ReadWalker& ww, Button& b) { layout::button(ww, b); });
    layout::settingsAfterButtons(w, a);

    const int scriptCount = readCount(reader, 0, document.scripts.highestIndex(), "Script objects");
    readSection(w, document.scripts, scriptCount,
                [](ReadWalker& ww, Script& s) { layout::script(ww, s); });

    readReports(reader, document);
    w.integer(a.toolBoxField);
    reader.getInteger();
}

} // namespace

bool startsWithProjectSignature(std::span<const uint8_t> bytes)
{
    // A Str of at least three characters: its two length bytes, then "Dat" or "Bus".
    if (bytes.size() < kSignatureHeadSize)
        return false;
    const int length = bytes[0] | (bytes[1] << 8);
    if (length < 3 || length > 0x7FFF)
        return false;
    const std::string_view start(reinterpret_cast<const char*>(bytes.data()) + 2, 3);
    return start == "Dat" || start == "Bus";
}

ProjectReadResult readProjectBytes(std::span<const uint8_t> bytes, const std::string& fileName,
                                   const ProjectReadOptions& options)
{
    ProjectReadResult result;
    if (bytes.empty()) {
        result.error = ProjectReadError::NotAProject;
        result.message = fileName + ": the file is empty, not a project file";
        return result;
    }
    if (!startsWithProjectSignature(bytes)) {
        result.error = ProjectReadError::NotAProject;
        result.message = fileName + ": " + kNotAProjectText;
        return result;
    }
    RecordReader reader(bytes);
    try {
        readBody(reader, result.document, options, result.warnings);
        repairGeometry(result.document, result.warnings);
    } catch (const RecordError& error) {
        const bool unsupported = dynamic_cast<const UnsupportedVersion*>(&error) != nullptr;
        result.error = unsupported ? ProjectReadError::Unsupported : ProjectReadError::Damaged;
        result.message = fileName + ": " + error.what() + " (at byte offset " +
                         std::to_string(error.offset()) + ")";
        result.document = ProjectDocument{};
        return result;
    }
    return result;
}

ProjectReadResult readProjectFile(const std::filesystem::path& path,
                                  const ProjectReadOptions& options)
{
    ProjectReadResult result;
    std::vector<uint8_t> bytes;
    std::string error;
    // The signature first: a large file that is no project is never read whole.
    if (!ReadFileHead(path, kSignatureHeadSize, bytes, error)) {
        result.error = ProjectReadError::CannotOpen;
        result.message = error;
        return result;
    }
    if (!bytes.empty() && !startsWithProjectSignature(bytes))
        return readProjectBytes(bytes, path.string(), options);
    if (!ReadFileBytes(path, filelimit::kProject, bytes, error)) {
        result.error = ProjectReadError::CannotOpen;
        result.message = error;
        return result;
    }
    result = readProjectBytes(bytes, path.string(), options);
    if (result.ok())
        result.document.projectPath = path.string();
    return result;
}

} // namespace qv
