#include "builder/datablockwriter.h"

#include "builder/appdatalayout.h"
#include "builder/datablockwalker.h"

#include <cstring>

namespace qv {

std::vector<uint8_t> WriteAppFile(std::vector<uint8_t> runtimeImage, const AppData& data,
                                  const std::function<void(int)>& sectionDone,
                                  std::vector<std::string>* warnings)
{
    if (runtimeImage.size() < kMinRuntimeImageSize)
        throw BuildRefused("The runtime image holds only " + std::to_string(runtimeImage.size()) +
                           " bytes; it is not an application runtime");
    const auto runtimeLength = static_cast<int64_t>(runtimeImage.size());
    RecordWriter writer(CodePage::forCharset(data.defaultCharset));
    writer.putBytes(runtimeImage.data(), runtimeImage.size());
    runtimeImage = {};
    writer.setFilePos(runtimeLength);
    BlockWriteWalker walker(writer, sectionDone);
    blocklayout::appData(walker, data);
    if (warnings) {
        for (const std::string& context : walker.lossyTexts())
            warnings->push_back(context + " holds characters that the code page " +
                                writer.codePage().name() + " cannot hold; they became \"?\"");
    }
    const int64_t end = writer.filePos();
    const int64_t blockLength = end - runtimeLength;
    if (blockLength > INT32_MAX)
        throw BuildRefused("The application's data passes 2 GB, more than its length can record");
    const auto trailer = static_cast<int32_t>(blockLength);
    uint8_t raw[4];
    std::memcpy(raw, &trailer, 4);
    writer.setFilePos(end);
    writer.putBytes(raw, 4);
    return writer.takeBytes();
}

} // namespace qv
