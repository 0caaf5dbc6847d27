// Any bytes given to the project reader end in a document or a clear error, never a crash;
// a document that was read holds only numbers where it holds positions and sizes, and it
// saves and reads back. (The bytes of a second save may differ: report labels of one
// column are reordered by the exchange sort on every save.)
#include "document/geometryrepair.h"
#include "document/projectfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const qv::ProjectReadResult read = qv::readProjectBytes({data, size}, "fuzz.baf");
    if (read.error == qv::ProjectReadError::NotAProject &&
        qv::startsWithProjectSignature({data, size}))
        std::abort();
    if (!read.ok())
        return 0;
    qv::ProjectDocument checked = read.document;
    std::vector<std::string> repaired;
    qv::repairGeometry(checked, repaired);
    if (!repaired.empty())
        std::abort();
    const qv::ProjectWriteResult first = qv::encodeProject(read.document, "fuzz.baf");
    if (!first.ok)
        return 0;
    const qv::ProjectReadResult again = qv::readProjectBytes(first.bytes, "again.baf");
    if (!again.ok())
        std::abort();
    const qv::ProjectWriteResult second = qv::encodeProject(again.document, "fuzz.baf");
    if (second.bytes.size() != first.bytes.size())
        std::abort();
    return 0;
}
