#include "records/recordcolumns.h"

#include "builder/appdata.h"
#include "document/objectkind.h"
#include "records/textfold.h"

#include <algorithm>
#include <set>

namespace qv {

namespace {

bool onAPage(int32_t page)
{
    return page == kAllPages || (page >= 0 && page < kPageCount);
}

std::string nameOr(const std::string& name, const std::string& fallback)
{
    return trimmed(name).empty() ? fallback : std::string(trimmed(name));
}

} // namespace

std::vector<ExchangeColumn> recordColumns(const AppData& data)
{
    std::vector<ExchangeColumn> columns;
    for (size_t i = 0; i < data.fields.size(); ++i) {
        const Field& f = data.fields[i].field;
        if (f.dummyField || !onAPage(f.page))
            continue;
        const int index = static_cast<int>(i) + 1;
        const std::string label =
            data.fields[i].searchLabel.empty() ? f.tag : data.fields[i].searchLabel;
        columns.push_back({{ValueKind::Field, index},
                           nameOr(label, "Field_" + std::to_string(index)),
                           std::max(0, f.maxLength),
                           f.fieldFormat,
                           f.tabOrder});
    }
    for (size_t i = 0; i < data.notes.size(); ++i) {
        const Notes& n = data.notes[i].notes;
        if (!onAPage(n.page))
            continue;
        const int index = static_cast<int>(i) + 1;
        columns.push_back({{ValueKind::Notes, index},
                           nameOr(n.tag, "Notes_Field_" + std::to_string(index)),
                           std::max(0, n.maxLength),
                           0,
                           n.tabOrder});
    }
    for (size_t i = 0; i < data.combos.size(); ++i) {
        const Combo& c = data.combos[i];
        if (!onAPage(c.page))
            continue;
        const int index = static_cast<int>(i) + 1;
        columns.push_back(
            {{ValueKind::Combo, index},
             nameOr(c.tag, "Combo_Field_" + std::to_string(index)),
             std::max<int32_t>(0, c.maxLength),
             0,
             static_cast<int16_t>(std::clamp<int32_t>(c.tabOrder, INT16_MIN, INT16_MAX))});
    }
    for (size_t i = 0; i < data.checkboxes.size(); ++i) {
        const Checkbox& c = data.checkboxes[i];
        if (!onAPage(c.page))
            continue;
        const int index = static_cast<int>(i);
        columns.push_back({{ValueKind::Checkbox, index},
                           nameOr(c.tag, "CheckBox_Field_" + std::to_string(index)),
                           0,
                           0,
                           c.tabOrder});
    }
    // The kinds were added in the tie order, each by index, so a stable sort by order
    // number alone gives the export order.
    std::stable_sort(
        columns.begin(), columns.end(),
        [](const ExchangeColumn& a, const ExchangeColumn& b) { return a.order < b.order; });

    // A name taken already (two objects with one tag) is told apart by its reference.
    std::set<std::string> taken;
    for (ExchangeColumn& column : columns) {
        if (!taken.insert(foldCase(column.name)).second) {
            column.name += " (" + column.ref.token() + ")";
            taken.insert(foldCase(column.name));
        }
    }
    return columns;
}

} // namespace qv
