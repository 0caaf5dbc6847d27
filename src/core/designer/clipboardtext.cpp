#include "designer/clipboardtext.h"

#include "designer/canvasoperations.h"
#include "designer/formulareferences.h"
#include "designer/objectcreation.h"
#include "designer/objectgeometry.h"
#include "designer/taborder.h"
#include "document/languagetable.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace qv {

namespace {

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (true) {
        const size_t hit = text.find(from, pos);
        if (hit == std::string_view::npos) {
            out.append(text.substr(pos));
            return out;
        }
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
}

// Builds one record line.
class RecordWriter {
public:
    explicit RecordWriter(std::string_view keyword) : line_(keyword) { line_ += ','; }

    RecordWriter& number(float pixels) { return field(singleText(pixels)); }
    RecordWriter& twips(float value) { return number(twipsToPixels(value)); }
    RecordWriter& integer(long long value) { return field(std::to_string(value)); }
    RecordWriter& boolean(bool value) { return field(value ? "True" : "False"); }
    RecordWriter& escaped(std::string_view text) { return field(escapeClipboardText(text)); }
    RecordWriter& plain(std::string_view text) { return field(text); }
    // A field written with its own trailing comma (the combo's list items).
    RecordWriter& item(std::string_view text)
    {
        if (!inItems_)
            line_ += ',';
        inItems_ = true;
        line_ += escapeClipboardText(text);
        line_ += ',';
        return *this;
    }

    std::string finish()
    {
        line_ += "\r\n";
        return std::move(line_);
    }

private:
    RecordWriter& field(std::string_view text)
    {
        if (!first_)
            line_ += ',';
        first_ = false;
        line_.append(text);
        return *this;
    }

    std::string line_;
    bool first_ = true;
    bool inItems_ = false;
};

// Reads the fields of one record; a field that is missing or does not convert leaves the
// target as it is.
class RecordReader {
public:
    explicit RecordReader(std::vector<std::string_view> fields) : fields_(std::move(fields)) {}

    size_t size() const { return fields_.size(); }

    bool number(size_t i, float& pixels) const
    {
        double v = 0;
        if (!numeric(i, v) || std::fabs(v) > 1e7)
            return false;
        pixels = static_cast<float>(v);
        return true;
    }
    void twips(size_t i, float& target, float shift = 0) const
    {
        float v = 0;
        if (number(i, v))
            target = pixelsToTwips(v + shift);
    }
    template <class I> void integer(size_t i, I& target) const
    {
        double v = 0;
        if (!numeric(i, v))
            return;
        v = std::nearbyint(v);
        if (v < static_cast<double>(std::numeric_limits<I>::min()) ||
            v > static_cast<double>(std::numeric_limits<I>::max()))
            return;
        target = static_cast<I>(v);
    }
    void boolean(size_t i, bool& target) const
    {
        if (i >= fields_.size())
            return;
        std::string_view t = fields_[i];
        auto equals = [&](std::string_view word) {
            return t.size() == word.size() &&
                   std::equal(t.begin(), t.end(), word.begin(), [](char a, char b) {
                       return std::tolower(static_cast<unsigned char>(a)) == b;
                   });
        };
        double v = 0;
        if (equals("true"))
            target = true;
        else if (equals("false"))
            target = false;
        else if (numeric(i, v))
            target = v != 0;
    }
    void escaped(size_t i, std::string& target) const
    {
        if (i < fields_.size())
            target = unescapeClipboardText(fields_[i]);
    }
    void plain(size_t i, std::string& target) const
    {
        if (i < fields_.size())
            target = std::string(fields_[i]);
    }

private:
    bool numeric(size_t i, double& value) const
    {
        if (i >= fields_.size())
            return false;
        std::string_view t = fields_[i];
        while (!t.empty() && t.front() == ' ')
            t.remove_prefix(1);
        while (!t.empty() && t.back() == ' ')
            t.remove_suffix(1);
        if (t.empty())
            return false;
        const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
        return error == std::errc() && end == t.data() + t.size() && std::isfinite(value);
    }

    std::vector<std::string_view> fields_;
};

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

// Field and Notes share one record: the frame, the text box, then the document values.
template <class T> void writeBoxedField(RecordWriter& w, const T& o)
{
    const PixelRect box = recordRect(o);
    const PixelRect frame = frameRect(box);
    w.number(frame.left).number(frame.top).number(frame.width).number(frame.height);
    w.integer(o.frameBorderColor).integer(o.frameStyle).integer(o.frameFillColor);
    w.number(box.left).number(box.top).number(box.width).number(box.height);
    if constexpr (requires { o.alignment; })
        w.integer(o.alignment);
    else
        w.integer(0);
    w.integer(o.appearance).integer(o.backColor).integer(o.foreColor).plain(o.fontName);
    w.number(o.fontSize).boolean(o.fontBold).boolean(o.fontItalic).boolean(false);
    w.escaped(o.toolTipText).integer(o.borderStyle).integer(o.maxLength);
}

template <class T> void readBoxedField(const RecordReader& r, T& o, float dx, float dy)
{
    float frameLeft = 0;
    float frameTop = 0;
    const bool haveFrame = r.number(1, frameLeft) && r.number(2, frameTop);
    if (haveFrame) {
        o.left = pixelsToTwips(frameLeft + kFrameInset + dx);
        o.top = pixelsToTwips(frameTop + kFrameInset + dy);
    }
    float frameWidth = 0;
    float frameHeight = 0;
    if (r.number(3, frameWidth))
        o.width = pixelsToTwips(std::max(0.0f, frameWidth - 2 * kFrameInset));
    if (r.number(4, frameHeight))
        o.height = pixelsToTwips(std::max(0.0f, frameHeight - 2 * kFrameInset));
    r.integer(5, o.frameBorderColor);
    r.integer(6, o.frameStyle);
    r.integer(7, o.frameFillColor);
    r.twips(8, o.left, dx);
    r.twips(9, o.top, dy);
    r.twips(10, o.width);
    r.twips(11, o.height);
    if constexpr (requires { o.alignment; })
        r.integer(12, o.alignment);
    r.integer(13, o.appearance);
    r.integer(14, o.backColor);
    r.integer(15, o.foreColor);
    r.plain(16, o.fontName);
    r.number(17, o.fontSize);
    r.boolean(18, o.fontBold);
    r.boolean(19, o.fontItalic);
    r.escaped(21, o.toolTipText);
    r.integer(22, o.borderStyle);
    r.integer(23, o.maxLength);
}

std::string record(const Title& o)
{
    RecordWriter w("Title");
    w.escaped(o.caption).integer(o.titleState).twips(o.left).twips(o.top).integer(o.alignment);
    w.plain(o.fontName).boolean(o.fontBold).boolean(o.fontItalic).boolean(o.fontUnderline);
    w.number(o.fontSize).escaped(o.tag).escaped(o.toolTipText).integer(o.foreColor);
    return w.finish();
}

std::string record(const Square& o)
{
    RecordWriter w("Square");
    w.twips(o.left).twips(o.top).twips(o.width).twips(o.height).integer(o.backColor);
    w.integer(o.borderColor).integer(o.borderStyle).integer(o.fillColor).integer(o.shape);
    w.integer(o.fillStyle).integer(o.borderWidth);
    return w.finish();
}

std::string record(const Line& o)
{
    RecordWriter w("Line");
    w.twips(o.x1).twips(o.y1).twips(o.x2).twips(o.y2).integer(o.borderColor).integer(o.lineState);
    return w.finish();
}

std::string record(const Script& o)
{
    RecordWriter w("Script");
    w.twips(o.left).twips(o.top).twips(o.width).twips(o.height).escaped(o.tag);
    return w.finish();
}

std::string record(const Picture& o)
{
    RecordWriter w("Picture");
    w.escaped(o.sourcePath).twips(o.left).twips(o.top).twips(o.width).twips(o.height);
    w.integer(o.appearance).boolean(o.stretch).escaped(o.tag).escaped(o.toolTipText);
    w.integer(o.pictureState);
    return w.finish();
}

std::string record(const Checkbox& o)
{
    RecordWriter w("Checkbox");
    w.twips(o.left).twips(o.top).escaped(o.tag).escaped(o.toolTipText).integer(o.printon);
    w.integer(o.lockEnabled).integer(o.noChart).integer(o.foreStyle).integer(o.optionBx);
    w.integer(o.borderStyle);
    return w.finish();
}

std::string record(const Combo& o)
{
    RecordWriter w("Combo");
    w.twips(o.left).twips(o.top).twips(o.width).number(kComboHeightPixels);
    w.integer(o.border).integer(o.backStyle).plain(o.fontName).number(o.fontSize);
    w.boolean(o.fontBold).boolean(o.fontItalic).integer(o.foreColor).integer(o.backColor);
    w.integer(o.textCase).integer(o.maxLength).integer(o.comboOption).escaped(o.toolTipText);
    w.integer(o.printon).integer(o.lockEnabled).integer(o.noSearch);
    w.integer(static_cast<long long>(o.listItems.size()));
    // Entries 0..N: the N items and one empty entry after them.
    for (const std::string& item : o.listItems)
        w.item(item);
    w.item("");
    return w.finish();
}

std::string record(const Field& o)
{
    RecordWriter w("Field");
    writeBoxedField(w, o);
    w.integer(o.printon).integer(o.lockEnabled).integer(o.noSearch);
    w.integer(o.noDefaultDate).integer(o.dateOffsetDays).integer(o.caseRule).integer(o.fieldFormat);
    w.escaped(o.fieldFormula).integer(o.dummyField ? -1 : 0);
    return w.finish();
}

std::string record(const Notes& o)
{
    RecordWriter w("Notes");
    writeBoxedField(w, o);
    w.integer(o.notesState).integer(o.lockEnabled).integer(o.noSearch);
    return w.finish();
}

std::string record(const Button& o)
{
    RecordWriter w("Button");
    w.twips(o.left).twips(o.top).twips(o.width).twips(o.height).plain(o.fontName);
    w.integer(o.backColor).integer(o.renderColor).integer(o.fontSize).escaped(o.caption);
    w.escaped(o.tag).escaped(o.toolTipText).escaped(o.buttonAction).integer(o.actionCode);
    return w.finish();
}

// Sets a pasted record from its fields; dx, dy shift positions (pixels).
void read(const RecordReader& r, Title& o, float dx, float dy)
{
    r.escaped(1, o.caption);
    r.integer(2, o.titleState);
    r.twips(3, o.left, dx);
    r.twips(4, o.top, dy);
    r.integer(5, o.alignment);
    r.plain(6, o.fontName);
    r.boolean(7, o.fontBold);
    r.boolean(8, o.fontItalic);
    r.boolean(9, o.fontUnderline);
    r.number(10, o.fontSize);
    r.escaped(11, o.tag);
    r.escaped(12, o.toolTipText);
    r.integer(13, o.foreColor);
}

void read(const RecordReader& r, Square& o, float dx, float dy)
{
    r.twips(1, o.left, dx);
    r.twips(2, o.top, dy);
    r.twips(3, o.width);
    r.twips(4, o.height);
    r.integer(5, o.backColor);
    r.integer(6, o.borderColor);
    r.integer(7, o.borderStyle);
    r.integer(8, o.fillColor);
    r.integer(9, o.shape);
    r.integer(10, o.fillStyle);
    r.integer(11, o.borderWidth);
}

void read(const RecordReader& r, Line& o, float dx, float dy)
{
    r.twips(1, o.x1, dx);
    r.twips(2, o.y1, dy);
    r.twips(3, o.x2, dx);
    r.twips(4, o.y2, dy);
    r.integer(5, o.borderColor);
    r.integer(6, o.lineState);
}

void read(const RecordReader& r, Script& o, float dx, float dy)
{
    r.twips(1, o.left, dx);
    r.twips(2, o.top, dy);
    r.twips(3, o.width);
    r.twips(4, o.height);
    r.escaped(5, o.tag);
}

void read(const RecordReader& r, Picture& o, float dx, float dy)
{
    r.escaped(1, o.sourcePath);
    r.twips(2, o.left, dx);
    r.twips(3, o.top, dy);
    r.twips(4, o.width);
    r.twips(5, o.height);
    r.integer(6, o.appearance);
    r.boolean(7, o.stretch);
    r.escaped(8, o.tag);
    r.escaped(9, o.toolTipText);
    r.integer(10, o.pictureState);
    // The image travels by its path; bytes of another picture must not come along.
    o.imageBytes.reset();
    o.storedFileName.clear();
}

void read(const RecordReader& r, Checkbox& o, float dx, float dy)
{
    r.twips(1, o.left, dx);
    r.twips(2, o.top, dy);
    r.escaped(3, o.tag);
    r.escaped(4, o.toolTipText);
    r.integer(5, o.printon);
    r.integer(6, o.lockEnabled);
    r.integer(7, o.noChart);
    r.integer(8, o.foreStyle);
    r.integer(9, o.optionBx);
    r.integer(10, o.borderStyle);
}

void read(const RecordReader& r, Combo& o, float dx, float dy)
{
    r.twips(1, o.left, dx);
    r.twips(2, o.top, dy);
    r.twips(3, o.width);
    r.integer(5, o.border);
    r.integer(6, o.backStyle);
    r.plain(7, o.fontName);
    r.number(8, o.fontSize);
    r.boolean(9, o.fontBold);
    r.boolean(10, o.fontItalic);
    r.integer(11, o.foreColor);
    r.integer(12, o.backColor);
    r.integer(13, o.textCase);
    r.integer(14, o.maxLength);
    r.integer(15, o.comboOption);
    r.escaped(16, o.toolTipText);
    r.integer(17, o.printon);
    r.integer(18, o.lockEnabled);
    r.integer(19, o.noSearch);
    int32_t count = -1;
    r.integer(20, count);
    if (count < 0)
        return;
    // Never more items than the record holds.
    constexpr size_t kFirstItem = 21;
    const size_t available = r.size() > kFirstItem ? r.size() - kFirstItem : 0;
    const size_t n = std::min(static_cast<size_t>(count), available);
    o.listItems.assign(n, std::string());
    for (size_t i = 0; i < n; ++i)
        r.escaped(kFirstItem + i, o.listItems[i]);
}

void read(const RecordReader& r, Field& o, float dx, float dy)
{
    readBoxedField(r, o, dx, dy);
    r.integer(24, o.printon);
    r.integer(25, o.lockEnabled);
    r.integer(26, o.noSearch);
    r.integer(27, o.noDefaultDate);
    r.integer(28, o.dateOffsetDays);
    r.integer(29, o.caseRule);
    r.integer(30, o.fieldFormat);
    r.escaped(31, o.fieldFormula);
    int dummy = 0;
    r.integer(32, dummy);
    o.dummyField = dummy != 0;
}

void read(const RecordReader& r, Notes& o, float dx, float dy)
{
    readBoxedField(r, o, dx, dy);
    r.integer(24, o.notesState);
    r.integer(25, o.lockEnabled);
    r.integer(26, o.noSearch);
}

void read(const RecordReader& r, Button& o, float dx, float dy)
{
    r.twips(1, o.left, dx);
    r.twips(2, o.top, dy);
    r.twips(3, o.width);
    r.twips(4, o.height);
    r.plain(5, o.fontName);
    r.integer(6, o.backColor);
    r.integer(7, o.renderColor);
    r.integer(8, o.fontSize);
    r.escaped(9, o.caption);
    r.escaped(10, o.tag);
    r.escaped(11, o.toolTipText);
    r.escaped(12, o.buttonAction);
    r.integer(13, o.actionCode);
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

std::string escapeClipboardText(std::string_view text)
{
    return replaceAll(replaceAll(text, ",", "/~/"), "\r\n", "&_&");
}

std::string unescapeClipboardText(std::string_view text)
{
    return replaceAll(replaceAll(text, "/~/", ","), "&_&", "\r\n");
}

std::string clipboardRecord(const ProjectDocument& d, ObjectRef ref)
{
    return visitTable(d, ref.kind, [&](const auto& table) -> std::string {
        if (!table.contains(ref.index) || isDeleted(table[ref.index]))
            return {};
        return record(table[ref.index]);
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
            RecordReader r(split(lines[l], ","));
            std::string_view keyword = split(lines[l], ",").front();
            const auto kind = recordKind(keyword);
            if (!kind)
                continue;
            if (*kind == ObjectKind::Title)
                reserveSpecialTitles(e);
            visitTable(doc, *kind, [&](auto& table) {
                using T = RecordType<decltype(table)>;
                const int index = table.append();
                if (index < 0) {
                    if (*kind == ObjectKind::Field)
                        outcome = d.message(text::FieldsFull);
                    return;
                }
                T& o = table[index];
                read(r, o, dx, dy);
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
