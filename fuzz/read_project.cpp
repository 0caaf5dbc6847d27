// Any bytes given to the project reader end in a document or a clear error, never a crash;
// a document that was read saves and reads back. (The bytes of a second save may differ:
// report labels of one column are reordered by the exchange sort on every save.)
#include "document/projectfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const qv::ProjectReadResult read = qv::readProjectBytes({data, size}, "fuzz.baf");
    if (!read.ok())
        return 0;
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
