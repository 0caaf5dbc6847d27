#include "records/inputorder.h"

#include "document/objectkind.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace qv {

namespace {

int kindRank(InputKind kind)
{
    switch (kind) {
    case InputKind::Field: return 0;
    case InputKind::Notes: return 1;
    case InputKind::Combo: return 2;
    case InputKind::Checkbox: return 3;
    }
    return 4;
}

bool inUse(int page)
{
    return page != kDeletedPage && page != kParkedPage;
}

} // namespace

int TabOrderOf(const AppData& data, InputRef ref)
{
    const auto at = static_cast<size_t>(ref.index);
    switch (ref.kind) {
    case InputKind::Field: return data.fields[at - 1].field.tabOrder;
    case InputKind::Notes: return data.notes[at - 1].notes.tabOrder;
    case InputKind::Combo: return data.combos[at - 1].tabOrder;
    case InputKind::Checkbox: return data.checkboxes[at].tabOrder;
    }
    return 0;
}

int PageOf(const AppData& data, InputRef ref)
{
    const auto at = static_cast<size_t>(ref.index);
    switch (ref.kind) {
    case InputKind::Field: return data.fields[at - 1].field.page;
    case InputKind::Notes: return data.notes[at - 1].notes.page;
    case InputKind::Combo: return data.combos[at - 1].page;
    case InputKind::Checkbox: return data.checkboxes[at].page;
    }
    return kDeletedPage;
}

std::vector<InputRef> InputObjects(const AppData& data)
{
    std::vector<InputRef> refs;
    refs.reserve(data.fields.size() + data.notes.size() + data.combos.size() +
                 data.checkboxes.size());
    for (size_t i = 0; i < data.fields.size(); ++i)
        if (inUse(data.fields[i].field.page))
            refs.push_back({InputKind::Field, static_cast<int>(i + 1)});
    for (size_t i = 0; i < data.notes.size(); ++i)
        if (inUse(data.notes[i].notes.page))
            refs.push_back({InputKind::Notes, static_cast<int>(i + 1)});
    for (size_t i = 0; i < data.combos.size(); ++i)
        if (inUse(data.combos[i].page))
            refs.push_back({InputKind::Combo, static_cast<int>(i + 1)});
    for (size_t i = 0; i < data.checkboxes.size(); ++i)
        if (inUse(data.checkboxes[i].page))
            refs.push_back({InputKind::Checkbox, static_cast<int>(i)});
    return refs;
}

std::vector<InputRef> InputOrder(const AppData& data)
{
    std::vector<InputRef> refs = InputObjects(data);
    const int limit = static_cast<int>(data.fields.size() + data.notes.size() + data.combos.size() +
                                       data.checkboxes.size()) +
                      100;
    auto key = [&](InputRef ref) {
        const int order = TabOrderOf(data, ref);
        const int number = order >= 1 && order <= limit ? order : INT_MAX;
        return std::make_tuple(number, ref.index, kindRank(ref.kind));
    };
    std::stable_sort(refs.begin(), refs.end(),
                     [&](InputRef a, InputRef b) { return key(a) < key(b); });
    return refs;
}

} // namespace qv
