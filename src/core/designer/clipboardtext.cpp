#include "designer/clipboardtext.h"

#include "designer/canvasoperations.h"
#include "designer/clipboardlayouts.h"
#include "designer/clipboardwalker.h"
#include "designer/formulareferences.h"
#include "designer/objectcreation.h"
#include "designer/objectgeometry.h"
#include "designer/picturefile.h"
#include "designer/taborder.h"
#include "document/languagetable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

namespace {

std::vector<std::string_view> split(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> parts;
    size_t pos = 0;
    while (true) {
        const size_t hit = text.find(separator, pos);
        if (hit == std::string_view::npos) {
            parts.push_back(text.substr(pos));
            return parts;
        }
        parts.push_back(text.substr(pos, hit - pos));
        pos = hit + separator.size();
    }
}

std::optional<ObjectKind> recordKind(std::string_view keyword)
{
    // The keywords in the order the reader tries them.
    static constexpr std::pair<std::string_view, ObjectKind> kKeywords[] = {
        {"Title", ObjectKind::Title},     {"Square", ObjectKind::Square},
        {"Field", ObjectKind::Field},     {"Notes", ObjectKind::Notes},
        {"Combo", ObjectKind::Combo},     {"Checkbox", ObjectKind::Checkbox},
        {"Line", ObjectKind::Line},       {"Button", ObjectKind::Button},
        {"Picture", ObjectKind::Picture}, {"Script", ObjectKind::Script}};
    for (const auto& [word, kind] : kKeywords) {
        if (keyword == word)
            return kind;
    }
    return std::nullopt;
}

// References among the pasted fields follow them to their copies. When the text is the one
// this designer copied, the copied fields' numbers are known and map one to one; other
// references stay as they are. Text from elsewhere carries no numbers: field k of the old
// numbering is taken to be k + the number of pasted fields, which is right when the copied
// fields were the last ones.
void renumberPastedFormulas(ProjectDocument& doc, const std::vector<int>& pastedFields,
                            int oldFieldCount, const std::vector<int>* copiedFields)
{
    if (pastedFields.empty())
        return;
    ReferenceMap map;
    if (copiedFields && copiedFields->size() == pastedFields.size()) {
        for (size_t i = 0; i < pastedFields.size(); ++i) {
            const auto old = static_cast<size_t>((*copiedFields)[i]);
            if (map.newNumber.size() <= old)
                map.newNumber.resize(old + 1, -2);
            map.newNumber[old] = pastedFields[i];
        }
    } else {
        const int shift = static_cast<int>(pastedFields.size());
        map.newNumber.assign(static_cast<size_t>(std::max(oldFieldCount, 0)) + 1, -2);
        for (int k = 1; k <= oldFieldCount; ++k)
            map.newNumber[static_cast<size_t>(k)] = k + shift;
    }
    for (int index : pastedFields) {
        std::string& formula = doc.fields[index].fieldFormula;
        if (mentionsReference(formula, 'F'))
            formula = renumberReferences(formula, 'F', map);
    }
}

} // namespace

std::string clipboardRecord(const ProjectDocument& d, ObjectRef ref)
{
    return visitTable(d, ref.kind, [&](const auto& table) -> std::string {
        if (!table.contains(ref.index) || isDeleted(table[ref.index]))
            return {};
        // A record starts with the name of its kind.
        ClipboardWriteWalker w(kindName(ref.kind));
        cliplayout::record(w, table[ref.index]);
        return w.finish();
    });
}

std::string clipboardText(const ProjectDocument& d, const std::vector<ObjectRef>& objects)
{
    std::string text(kClipboardHeader);
    text += "\r\n";
    for (const ObjectRef& ref : objects)
        text += clipboardRecord(d, ref);
    return text;
}

std::string copySelection(Designer& d)
{
    const SelectionState& s = d.selection();
    std::vector<ObjectRef> objects;
    if (s.bandVisible && s.areaActive())
        objects = s.multi;
    else if (auto one = s.single())
        objects.push_back(*one);
    else
        return {};
    CanvasSettings& c = d.canvas();
    c.copyScrollX = std::fabs(c.scrollX);
    c.copyScrollY = std::fabs(c.scrollY);
    c.copiedText = clipboardText(d.document(), objects);
    c.copiedFields.clear();
    for (const ObjectRef& ref : objects) {
        if (ref.kind == ObjectKind::Field && objectExists(d.document(), ref))
            c.copiedFields.push_back(ref.index);
    }
    return c.copiedText;
}

Outcome pasteClipboardText(Designer& d, std::string_view text)
{
    const std::vector<std::string_view> lines = split(text, "\r\n");
    if (lines.size() < 2 || lines[0] != kClipboardHeader || lines[1].empty())
        return {};
    const float dx = static_cast<float>(d.canvas().scrollX + 10 - d.canvas().copyScrollX);
    const float dy = static_cast<float>(d.canvas().scrollY + 10 - d.canvas().copyScrollY);
    return d.change("Paste", [&](DocumentEdit& e) {
        ProjectDocument& doc = e.document();
        SelectionState& s = e.selection();
        releaseAreaSelection(s);
        const int oldFieldCount = doc.fields.highWater();
        std::vector<int> pastedFields;
        Outcome outcome = Outcome::ok();
        for (size_t l = 1; l < lines.size(); ++l) {
            std::vector<std::string_view> fields = split(lines[l], ",");
            const auto kind = recordKind(fields.front());
            if (!kind)
                continue;
            if (*kind == ObjectKind::Title)
                reserveSpecialTitles(e);
            // A picture takes its image now, and only from a file a picture can be.
            PictureFile image;
            if (*kind == ObjectKind::Picture) {
                Picture probe;
                ClipboardReadWalker pr(fields, dx, dy);
                cliplayout::record(pr, probe);
                image = readPictureFile(probe.sourcePath);
                if (image.status == PictureFile::Status::Refused) {
                    outcome.text += (outcome.text.empty() ? "" : "\n") +
                                    ("A picture was not pasted: " + image.message);
                    continue;
                }
            }
            visitTable(doc, *kind, [&](auto& table) {
                using T = RecordType<decltype(table)>;
                const int index = table.append();
                if (index < 0) {
                    if (*kind == ObjectKind::Field)
                        outcome = d.message(text::FieldsFull);
                    return;
                }
                T& o = table[index];
                ClipboardReadWalker r(std::move(fields), dx, dy);
                cliplayout::record(r, o);
                if constexpr (std::is_same_v<T, Picture>)
                    o.imageBytes = image.bytes;
                o.page = static_cast<decltype(o.page)>(doc.currentPage);
                if constexpr (requires { o.visible; })
                    o.visible = true;
                if constexpr (requires { o.tabOrder; })
                    o.tabOrder = 0;
                const std::string n = std::to_string(index);
                if constexpr (std::is_same_v<T, Field>) {
                    o.tag = "Field" + n;
                    pastedFields.push_back(index);
                } else if constexpr (std::is_same_v<T, Notes>) {
                    o.tag = "MemoField" + n;
                } else if constexpr (std::is_same_v<T, Combo>) {
                    o.tag = "ComboField" + n;
                }
                s.multi.push_back(ObjectRef{*kind, index});
            });
        }
        renumberPastedFormulas(doc, pastedFields, oldFieldCount,
                               text == d.canvas().copiedText ? &d.canvas().copiedFields : nullptr);
        assignTab(e);
        if (!s.multi.empty()) {
            // The band goes round the pasted objects, so that they can be dragged together.
            float left = std::numeric_limits<float>::max();
            float top = left;
            float right = std::numeric_limits<float>::lowest();
            float bottom = right;
            for (const ObjectRef& ref : s.multi) {
                const PixelRect rect = objectRect(doc, ref);
                left = std::min({left, rect.left, rect.left + rect.width});
                top = std::min({top, rect.top, rect.top + rect.height});
                right = std::max({right, rect.left, rect.left + rect.width});
                bottom = std::max({bottom, rect.top, rect.top + rect.height});
            }
            s.kind = kAreaSelectionCode;
            s.bandVisible = true;
            s.bandLeft = left;
            s.bandTop = top;
            s.bandWidth = std::max(right - left, 10.0f);
            s.bandHeight = std::max(bottom - top, 10.0f);
        }
        return outcome;
    });
}

} // namespace qv
