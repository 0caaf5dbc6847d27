#include "designer/clipboardtext.h"
#include "designer/objectgeometry.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// A document with a few objects of each kind and the fields close to their limit, so that
// the limit is reached; made once.
const qv::ProjectDocument& baseDocument()
{
    static const qv::ProjectDocument doc = [] {
        qv::ProjectDocument d;
        d.fields.setHighWater(1995);
        d.fields[1].fieldFormula = "F1+F2";
        d.notes.setHighWater(3);
        d.checkboxes.setHighWater(1);
        return d;
    }();
    return doc;
}

// The objects an undo must give back: every kind's count and the records at both ends.
std::string summary(const qv::ProjectDocument& doc)
{
    std::string text;
    for (qv::ObjectKind kind : qv::kAllKinds) {
        qv::visitTable(doc, kind, [&](const auto& table) {
            text += std::to_string(table.highWater()) + ";";
            for (int i : table.indices()) {
                if (i < table.firstIndex() + 3 || i > table.highWater() - 3)
                    text += qv::clipboardRecord(doc, {kind, i});
            }
        });
    }
    return text;
}

} // namespace

// Any clipboard text pastes without a crash, never takes a kind past its limit, and an
// undo gives back the document from before.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    // Most inputs get the header, so that the records themselves are exercised.
    if (size > 0 && data[0] % 4 != 0)
        input = std::string(qv::kClipboardHeader) + "\r\n" + input.substr(1);
    static const std::string before = summary(baseDocument());
    qv::ProjectDocument doc = baseDocument();
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
    if (summary(doc) != before)
        __builtin_trap();
    return 0;
}
