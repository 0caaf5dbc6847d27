#include "document/atomicfile.h"
#include "document/filebytes.h"
#include "document/objectlayouts.h"
#include "document/projectfile.h"
#include "document/recordio.h"
#include "document/settingslayouts.h"
#include "reports/reportstorage.h"

#include <system_error>

namespace qv {

namespace {

constexpr const char* kSignature = "Dat";
constexpr const char* kHeaderMarker = "C";

std::string describe(ObjectKind kind, int index)
{
    return std::string(kindName(kind)) + " " + std::to_string(index);
}

// Objects not deleted, written with a leading count: for kinds indexed from 0 the count is
// the highest index after compaction (-1 when empty), for Titles the number of records.
template <class T, class Record>
void writeTwoPass(WriteWalker& walker, const ObjectTable<T>& table, Record record)
{
    int count = table.firstIndex() == 0 ? -1 : 0;
    for (int i = 0; i <= table.highWater(); ++i) {
        if (i >= table.firstIndex() && pageOf(table[i]) < kDeletedPage)
            ++count;
    }
    walker.writer().putInteger(static_cast<int16_t>(count));
    for (int i : table.indices()) {
        if (pageOf(table[i]) >= kDeletedPage)
            continue;
        walker.setContext(describe(table.kind(), i));
        record(walker, table[i]);
    }
}

// Every index from the first to the high-water index, deleted objects included.
template <class T, class Record>
void writeFull(WriteWalker& walker, const ObjectTable<T>& table, Record record)
{
    for (int i : table.indices()) {
        walker.setContext(describe(table.kind(), i));
        record(walker, table[i]);
    }
}

// The image travels inside the project: the bytes read with it, or the file the user chose.
// A file that is gone is dropped, as the user removed it.
void writePictureImage(WriteWalker& w, const Picture& picture, std::vector<std::string>& warnings)
{
    auto bytes = picture.imageBytes;
    std::string name =
        picture.storedFileName.empty() ? safeBaseName(picture.sourcePath) : picture.storedFileName;
    std::error_code ec;
    if (!bytes && !picture.sourcePath.empty() &&
        std::filesystem::symlink_status(picture.sourcePath, ec).type() !=
            std::filesystem::file_type::not_found) {
        auto read = std::make_shared<std::vector<uint8_t>>();
        std::string error;
        // Only a file the user chose is read; a plain name would be looked for in the
        // current folder.
        if (!std::filesystem::path(picture.sourcePath).is_absolute())
            error = "not a full path to a file";
        else if (ReadFileBytes(picture.sourcePath, filelimit::kPicture, *read, error))
            bytes = std::move(read);
        if (!bytes)
            warnings.push_back("Correct Picture File " + picture.sourcePath + " Before Saving (" +
                               error + ")");
    }
    // Without bytes there is no image, so no name either.
    if (!bytes || bytes->empty())
        name.clear();
    w.str(name);
    if (!name.empty() && !w.writer().putBlob(bytes->data(), bytes->size()))
        throw SaveRefused(w.context() + " holds a picture of " + std::to_string(bytes->size()) +
                          " bytes; a project file holds pictures of less than 2 GB");
}

void writeReports(WriteWalker& w, const ProjectDocument& document, int64_t& countPos,
                  int& storedCount, bool& asInteger)
{
    RecordWriter& writer = w.writer();
    const auto slotCount = static_cast<int>(document.reportSlots.size());
    countPos = writer.filePos();
    asInteger = document.reportCountStoredAsInteger;
    if (asInteger)
        writer.putInteger(static_cast<int16_t>(slotCount));
    else
        writer.putByte(static_cast<uint8_t>(slotCount));
    storedCount = slotCount;
    for (int r = 0; r < slotCount; ++r) {
        const ReportSlot& slot = document.reportSlots[static_cast<size_t>(r)];
        if (slot.removed) {
            --storedCount;
            asInteger = true;
            continue;
        }
        w.setContext("Report " + std::to_string(r) + " (" + slot.caption + ")");
        w.str(slot.caption);
        if (!slot.caption.empty())
            saveReport(w, slot.report);
    }
}

} // namespace

ProjectWriteResult encodeProject(const ProjectDocument& document, const std::string& projectPath)
{
    ProjectWriteResult result;
    const AppSettings& a = document.settings;
    if (document.reportSlots.size() > static_cast<size_t>(kMaxReportSlots)) {
        result.message = "the project has " + std::to_string(document.reportSlots.size()) +
                         " report slots; at most " + std::to_string(kMaxReportSlots) +
                         " can be stored";
        return result;
    }
    RecordWriter writer(CodePage::forCharset(a.defaultCharset));
    WriteWalker w(writer);
    try {
        w.setContext("The application settings");
        writer.putRawStr(kSignature);
        w.str(a.windowTitle);
        w.byte(a.languageCode);
        w.str(a.defaultFontName);
        w.integer(a.defaultCharset);
        writer.putInteger(kProjectFormatVersion);
        writer.putRawStr(kHeaderMarker);
        writer.putLong(static_cast<int32_t>(a.iconBytes.size()) - 1);
        writer.putBytes(a.iconBytes.data(), a.iconBytes.size());
        layout::settingsAfterIcon(w, a, projectPath + ".chm");

        writeTwoPass(w, document.squares,
                     [](WriteWalker& ww, const Square& s) { layout::square(ww, s); });
        writeTwoPass(w, document.lines,
                     [](WriteWalker& ww, const Line& l) { layout::line(ww, l); });

        w.setContext("The application settings");
        layout::settingsBeforePictures(w, a);
        writer.putInteger(static_cast<int16_t>(document.pictures.highWater()));
        const auto image = [&result](WriteWalker& ww, const Picture& p) {
            writePictureImage(ww, p, result.warnings);
        };
        writeFull(w, document.pictures,
                  [&image](WriteWalker& ww, const Picture& p) { layout::picture(ww, p, image); });

        writer.putInteger(static_cast<int16_t>(document.fields.highWater()));
        writeFull(w, document.fields,
                  [](WriteWalker& ww, const Field& f) { layout::field(ww, f); });
        writeTwoPass(w, document.titles,
                     [](WriteWalker& ww, const Title& t) { layout::title(ww, t); });
        writer.putInteger(static_cast<int16_t>(document.combos.highWater()));
        writeFull(w, document.combos, [](WriteWalker& ww, const Combo& c) {
            layout::comboHead(ww, c);
            ww.writer().putLong(static_cast<int32_t>(c.listItems.size()));
            for (const std::string& item : c.listItems)
                ww.str(item);
        });
        writer.putInteger(static_cast<int16_t>(document.notes.highWater()));
        writeFull(w, document.notes, [](WriteWalker& ww, const Notes& n) { layout::notes(ww, n); });

        w.setContext("The application settings");
        layout::notesTable(w, a);
        layout::menuSettings(w, a);
        writeTwoPass(w, document.checkboxes,
                     [](WriteWalker& ww, const Checkbox& c) { layout::checkbox(ww, c); });
        writeTwoPass(w, document.buttons,
                     [](WriteWalker& ww, const Button& b) { layout::button(ww, b); });
        w.setContext("The application settings");
        layout::settingsAfterButtons(w, a);

        writer.putInteger(static_cast<int16_t>(document.scripts.highWater()));
        for (int i : document.scripts.indices()) {
            w.setContext(describe(ObjectKind::Script, i));
            layout::script(w, document.scripts[i]);
        }

        int64_t countPos = 0;
        int storedCount = 0;
        bool countAsInteger = false;
        writeReports(w, document, countPos, storedCount, countAsInteger);

        w.setContext("The application settings");
        w.integer(a.toolBoxField);
        w.fixedInteger(0);

        // The report count slot again, with the number of slots actually written.
        const int64_t end = writer.filePos();
        writer.setFilePos(countPos);
        if (countAsInteger)
            writer.putInteger(static_cast<int16_t>(storedCount));
        else
            writer.putByte(static_cast<uint8_t>(storedCount));
        writer.setFilePos(end);
    } catch (const SaveRefused& refused) {
        result.message = refused.what();
        return result;
    }
    if (writer.bytes().size() > filelimit::kProject.maxBytes) {
        result.message = "the project would take " + std::to_string(writer.bytes().size()) +
                         " bytes, more than a project file can hold (" +
                         std::to_string(filelimit::kProject.maxBytes) + " bytes)";
        return result;
    }
    if (writer.lostCharacters())
        result.warnings.push_back("Some characters cannot be stored in the character set " +
                                  writer.codePage().name() + " and were saved as \"?\"");
    result.ok = true;
    result.bytes = writer.takeBytes();
    return result;
}

ProjectWriteResult saveProjectFile(ProjectDocument& document, const std::filesystem::path& path)
{
    ProjectWriteResult result = encodeProject(document, path.string());
    if (!result.ok) {
        result.message = path.string() + ": not saved: " + result.message;
        return result;
    }
    std::string error;
    const std::string_view bytes(reinterpret_cast<const char*>(result.bytes.data()),
                                 result.bytes.size());
    if (!writeFileAtomically(path, bytes, error)) {
        result.ok = false;
        result.message = error;
        return result;
    }
    document.projectPath = path.string();
    document.modified = 0;
    return result;
}

std::string safeBaseName(const std::string& path)
{
    const size_t cut = path.find_last_of("\\/");
    std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    std::string clean;
    for (char c : name) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            clean += c;
    }
    if (clean == "." || clean == "..")
        clean.clear();
    return clean;
}

} // namespace qv
