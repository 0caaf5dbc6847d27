#include "records/recordschema.h"

#include "records/inputorder.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace qv {

namespace {

constexpr size_t kMaxColumnNameBytes = 60;

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

const std::string& tagOf(const AppData& data, InputRef ref)
{
    const auto at = static_cast<size_t>(ref.index);
    switch (ref.kind) {
    case InputKind::Field: return data.fields[at - 1].searchLabel;
    case InputKind::Notes: return data.notes[at - 1].notes.tag;
    case InputKind::Combo: return data.combos[at - 1].tag;
    case InputKind::Checkbox: return data.checkboxes[at].tag;
    }
    return data.windowTitle;
}

std::string fallbackName(InputRef ref)
{
    switch (ref.kind) {
    case InputKind::Field: return "Field_" + std::to_string(ref.index);
    case InputKind::Notes: return "Notes_Field_" + std::to_string(ref.index);
    case InputKind::Combo: return "Combo_Field_" + std::to_string(ref.index);
    case InputKind::Checkbox: return "CheckBox_Field_" + std::to_string(ref.index);
    }
    return "Column";
}

bool searchable(const AppData& data, InputRef ref)
{
    const auto at = static_cast<size_t>(ref.index);
    switch (ref.kind) {
    case InputKind::Field: return data.fields[at - 1].field.noSearch == 0;
    case InputKind::Notes: return data.notes[at - 1].notes.noSearch == 0;
    case InputKind::Combo: return data.combos[at - 1].noSearch == 0;
    case InputKind::Checkbox: return true; // a check box has no not-searchable flag
    }
    return false;
}

int32_t maxLengthOf(const AppData& data, InputRef ref)
{
    const auto at = static_cast<size_t>(ref.index);
    switch (ref.kind) {
    case InputKind::Field: return std::max(0, data.fields[at - 1].field.maxLength);
    case InputKind::Notes: return std::max(0, data.notes[at - 1].notes.maxLength);
    case InputKind::Combo: return std::max<int32_t>(0, data.combos[at - 1].maxLength);
    case InputKind::Checkbox: return 0;
    }
    return 0;
}

bool stored(const AppData& data, InputRef ref)
{
    return ref.kind != InputKind::Field ||
           !data.fields[static_cast<size_t>(ref.index - 1)].field.dummyField;
}

} // namespace

std::string ColumnNameOfTag(std::string_view tag, std::string_view fallback)
{
    std::string name;
    for (char c : tag) {
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)
            name += c;
    }
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string(fallback);
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    if (name.size() > kMaxColumnNameBytes) {
        size_t cut = kMaxColumnNameBytes;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.resize(cut);
    }
    return name;
}

std::string QuoteIdentifier(std::string_view name)
{
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

bool SameColumnName(std::string_view a, std::string_view b)
{
    return lowerAscii(a) == lowerAscii(b);
}

RecordSchema::RecordSchema(const AppData& data)
{
    // Names first, in the fixed kind-by-index order.
    std::map<InputRef, std::string> names;
    std::set<std::string> taken{lowerAscii(kIdColumn), lowerAscii(kCreatedColumn),
                                lowerAscii(kChangedColumn)};
    for (InputRef ref : InputObjects(data)) {
        if (!stored(data, ref))
            continue;
        const std::string base = ColumnNameOfTag(tagOf(data, ref), fallbackName(ref));
        std::string name = base;
        for (int n = 2; taken.count(lowerAscii(name)) != 0; ++n)
            name = base + "_" + std::to_string(n);
        taken.insert(lowerAscii(name));
        names[ref] = name;
    }
    for (InputRef ref : InputOrder(data)) {
        const auto named = names.find(ref);
        if (named == names.end())
            continue;
        byObject_[ref] = static_cast<int>(columns_.size());
        const int format = ref.kind == InputKind::Field
                               ? data.fields[static_cast<size_t>(ref.index - 1)].field.fieldFormat
                               : 0;
        columns_.push_back({ref, named->second, tagOf(data, ref), searchable(data, ref),
                            maxLengthOf(data, ref), format});
    }
}

int RecordSchema::columnOf(InputRef object) const
{
    const auto found = byObject_.find(object);
    return found == byObject_.end() ? -1 : found->second;
}

int RecordSchema::columnOfReference(int code) const
{
    const std::optional<InputRef> ref = InputRef::fromReferenceCode(code);
    return ref ? columnOf(*ref) : -1;
}

std::vector<RecordColumn> ColumnsToAdd(const RecordSchema& schema,
                                       const std::vector<std::string>& existing)
{
    std::vector<RecordColumn> missing;
    for (const RecordColumn& column : schema.columns()) {
        const bool present =
            std::any_of(existing.begin(), existing.end(),
                        [&](const std::string& name) { return SameColumnName(name, column.name); });
        if (!present)
            missing.push_back(column);
    }
    return missing;
}

} // namespace qv
