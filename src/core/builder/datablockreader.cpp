#include "builder/datablockreader.h"

#include "builder/appdatalayout.h"
#include "builder/datablockwalker.h"
#include "document/filebytes.h"
#include "document/geometryrepair.h"

#include <cstring>

namespace qv {

namespace {

constexpr int64_t kTrailerSize = 4;

// Reads the block between the 1-based positions `start` and `end` (the trailer) with the
// texts in the code page of `charset`.
AppData readBlock(std::span<const uint8_t> file, int64_t start, int64_t end, int charset,
                  bool& extras)
{
    RecordReader reader(file.first(static_cast<size_t>(end - 1)), CodePage::forCharset(charset));
    reader.setFilePos(start);
    BlockReadWalker walker(reader, file, CodePage::forCharset(charset));
    AppData data;
    blocklayout::appData(walker, data);
    if (reader.remaining() != 0)
        reader.fail(std::to_string(reader.remaining()) + " bytes follow the last record");
    extras = walker.extrasPresent();
    return data;
}

template <class T>
void repairAll(std::vector<T>& records, ObjectKind kind, int firstIndex,
               std::vector<std::string>& warnings)
{
    for (size_t i = 0; i < records.size(); ++i) {
        auto& record = [&]() -> auto&
        {
            if constexpr (requires { records[i].picture; })
                return records[i].picture;
            else if constexpr (requires { records[i].field; })
                return records[i].field;
            else if constexpr (requires { records[i].notes; })
                return records[i].notes;
            else
                return records[i];
        }
        ();
        repairGeometry(record, objectName(kind, firstIndex + static_cast<int>(i)), warnings);
    }
}

// Nothing of a damaged block may reach the window with a position that is not a number.
void repairGeometry(AppData& data, std::vector<std::string>& warnings)
{
    repairAll(data.squares, ObjectKind::Square, 0, warnings);
    repairAll(data.lines, ObjectKind::Line, 0, warnings);
    repairAll(data.pictures, ObjectKind::Picture, 0, warnings);
    repairAll(data.titles, ObjectKind::Title, 1, warnings);
    repairAll(data.fields, ObjectKind::Field, 1, warnings);
    repairAll(data.combos, ObjectKind::Combo, 1, warnings);
    repairAll(data.notes, ObjectKind::Notes, 1, warnings);
    repairAll(data.checkboxes, ObjectKind::Checkbox, 0, warnings);
    repairAll(data.buttons, ObjectKind::Button, 0, warnings);
    for (size_t r = 0; r < data.reports.size(); ++r)
        repairGeometry(data.reports[r].report, "Report " + std::to_string(r), warnings);
    AppSettings settings;
    settings.surfaceWidth = data.surfaceWidth;
    settings.surfaceHeight = data.surfaceHeight;
    settings.pageScrollerHeight = data.pageScrollerHeight;
    settings.menuLabelFrameTop = data.menuLabelFrameTop;
    settings.menuLabelFrameLeft = data.menuLabelFrameLeft;
    repairGeometry(settings, warnings);
    data.surfaceWidth = settings.surfaceWidth;
    data.surfaceHeight = settings.surfaceHeight;
    data.pageScrollerHeight = settings.pageScrollerHeight;
    data.menuLabelFrameTop = settings.menuLabelFrameTop;
    data.menuLabelFrameLeft = settings.menuLabelFrameLeft;
}

} // namespace

AppFileRead ReadAppFile(std::span<const uint8_t> file, const std::string& fileName)
{
    AppFileRead result;
    const auto size = static_cast<int64_t>(file.size());
    if (size < kTrailerSize + 2) {
        result.message = fileName + ": the file is too short to carry an application's data";
        return result;
    }
    int32_t blockLength = 0;
    std::memcpy(&blockLength, file.data() + size - kTrailerSize, kTrailerSize);
    const int64_t end = size - kTrailerSize + 1; // 1-based position of the trailer
    const int64_t start = end - blockLength;
    if (blockLength <= 0 || start < 1) {
        result.message = fileName +
                         ": carries no application data (its last four bytes give "
                         "the block length " +
                         std::to_string(blockLength) + ", which does not fit the file)";
        return result;
    }
    try {
        // The code page is known only from the header; a first pass finds it.
        bool extras = false;
        AppData data = readBlock(file, start, end, 0, extras);
        if (data.defaultCharset != 0)
            data = readBlock(file, start, end, data.defaultCharset, extras);
        repairGeometry(data, result.warnings);
        result.data = std::move(data);
        result.hasFieldExtras = extras;
    } catch (const RecordError& error) {
        result.message = fileName + ": the application data is damaged: " + error.what() +
                         " (byte offset " + std::to_string(error.offset()) + ")";
        return result;
    }
    result.ok = true;
    result.runtimeLength = start;
    result.blockLength = blockLength;
    return result;
}

AppFileRead ReadAppFile(const std::filesystem::path& path)
{
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFileBytes(path, filelimit::kApplication, bytes, error)) {
        AppFileRead result;
        result.message = error;
        return result;
    }
    return ReadAppFile(bytes, path.string());
}

} // namespace qv
