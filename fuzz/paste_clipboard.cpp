#include "designer/clipboardtext.h"
#include "designer/objectgeometry.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<qv::ObjectRef> allObjects(const qv::ProjectDocument& doc)
{
    std::vector<qv::ObjectRef> refs;
    for (qv::ObjectKind kind : qv::kAllKinds) {
        qv::visitTable(doc, kind, [&](const auto& table) {
            for (int i : table.indices())
                refs.push_back({kind, i});
        });
    }
    return refs;
}

} // namespace

// Any clipboard text pastes without a crash, never takes a kind past its limit, and an
// undo gives back exactly the document from before.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    // Most inputs get the header, so that the records themselves are exercised.
    if (size > 0 && data[0] % 4 != 0)
        input = std::string(qv::kClipboardHeader) + "\r\n" + input.substr(1);
    qv::ProjectDocument doc;
    doc.fields.setHighWater(1995); // close to the limit, so that it is reached
    doc.fields[1].fieldFormula = "F1+F2";
    doc.notes.setHighWater(3);
    const std::string before = qv::clipboardText(doc, allObjects(doc));
    qv::Designer designer(doc);
    designer.canvas().scrollX = 123;
    designer.canvas().copyScrollY = 45;
    qv::pasteClipboardText(designer, input);
    for (qv::ObjectKind kind : qv::kAllKinds) {
        qv::visitTable(doc, kind, [&](const auto& table) {
            if (table.highWater() > table.highestIndex())
                __builtin_trap();
        });
    }
    // Copying the pasted objects must work, too.
    qv::clipboardText(doc, designer.selection().multi);
    designer.undo();
    if (qv::clipboardText(doc, allObjects(doc)) != before)
        __builtin_trap();
    return 0;
}
