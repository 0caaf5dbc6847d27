// A built application reads its own file at every start; whatever its tail holds, the
// reader gives the design or a message, and a design it read writes back and reads again.
#include "builder/datablockreader.h"
#include "builder/datablockwalker.h"
#include "builder/datablockwriter.h"
#include "document/geometryrepair.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const qv::AppFileRead read = qv::ReadAppFile({data, size}, "fuzz.exe");
    if (!read.ok)
        return 0;
    // Nothing the runtime draws holds a position or size that is not a number.
    std::vector<std::string> repaired;
    for (qv::BlockPicture picture : read.data.pictures)
        qv::repairGeometry(picture.picture, "picture", repaired);
    for (qv::Title title : read.data.titles)
        qv::repairGeometry(title, "title", repaired);
    for (qv::Square square : read.data.squares)
        qv::repairGeometry(square, "square", repaired);
    for (qv::BlockReport report : read.data.reports)
        qv::repairGeometry(report.report, "report", repaired);
    if (!repaired.empty())
        std::abort();
    if (read.runtimeLength < static_cast<int64_t>(qv::kMinRuntimeImageSize))
        return 0;
    std::vector<uint8_t> image(data, data + read.runtimeLength);
    try {
        const std::vector<uint8_t> written = qv::WriteAppFile(std::move(image), read.data);
        if (!qv::ReadAppFile(written, "again.exe").ok)
            std::abort();
    } catch (const qv::BuildRefused&) {
        // A text that the reader accepted but the writer cannot store again is refused,
        // never written half.
    }
    return 0;
}
