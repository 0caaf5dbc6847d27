#include "builder/datablockreader.h"

#include "builder/appdatalayout.h"
#include "builder/datablockwalker.h"

#include <cstring>
#include <fstream>
#include <iterator>

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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        AppFileRead result;
        result.message = path.string() + ": cannot be opened";
        return result;
    }
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    return ReadAppFile(bytes, path.string());
}

} // namespace qv
