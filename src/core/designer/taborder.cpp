#include "designer/taborder.h"

#include "designer/designer.h"
#include "designer/documentedit.h"

#include <algorithm>

namespace qv {

namespace {

struct Entry {
    int order;
    int index;
    int kindRank; // 0 Field, 1 Notes, 2 Combo, 3 Checkbox
};

int inputCount(const ProjectDocument& d)
{
    return (d.fields.highWater() - d.fields.firstIndex() + 1) +
           (d.notes.highWater() - d.notes.firstIndex() + 1) +
           (d.combos.highWater() - d.combos.firstIndex() + 1) +
           (d.checkboxes.highWater() - d.checkboxes.firstIndex() + 1) + 100;
}

template <class F> void forEachInput(const ProjectDocument& d, F&& f)
{
    auto visit = [&](const auto& table, int rank) {
        for (int i : table.indices()) {
            if (!isDeleted(table[i]))
                f(rank, i, static_cast<int>(table[i].tabOrder));
        }
    };
    visit(d.fields, 0);
    visit(d.notes, 1);
    visit(d.combos, 2);
    visit(d.checkboxes, 3);
}

template <class Write> void renumber(const ProjectDocument& d, Write&& write)
{
    const int n = inputCount(d);
    std::vector<Entry> numbered;
    std::vector<Entry> rest;
    forEachInput(d, [&](int rank, int index, int order) {
        (order >= 1 && order <= n ? numbered : rest).push_back(Entry{order, index, rank});
    });
    auto byIndex = [](const Entry& a, const Entry& b) {
        return a.index != b.index ? a.index < b.index : a.kindRank < b.kindRank;
    };
    std::sort(numbered.begin(), numbered.end(), [&](const Entry& a, const Entry& b) {
        return a.order != b.order ? a.order < b.order : byIndex(a, b);
    });
    std::sort(rest.begin(), rest.end(), byIndex);
    int counter = 0;
    for (const Entry& e : numbered)
        write(e.kindRank, e.index, ++counter);
    for (const Entry& e : rest)
        write(e.kindRank, e.index, ++counter);
}

} // namespace

void assignTab(ProjectDocument& d)
{
    renumber(d, [&](int rank, int index, int number) {
        switch (rank) {
        case 0: d.fields[index].tabOrder = static_cast<int16_t>(number); break;
        case 1: d.notes[index].tabOrder = static_cast<int16_t>(number); break;
        case 2: d.combos[index].tabOrder = number; break;
        default: d.checkboxes[index].tabOrder = static_cast<int16_t>(number); break;
        }
    });
}

void assignTab(DocumentEdit& e)
{
    const ProjectDocument& d = e.document();
    renumber(d, [&](int rank, int index, int number) {
        switch (rank) {
        case 0:
            if (d.fields[index].tabOrder != number)
                e.touch<Field>(index).tabOrder = static_cast<int16_t>(number);
            break;
        case 1:
            if (d.notes[index].tabOrder != number)
                e.touch<Notes>(index).tabOrder = static_cast<int16_t>(number);
            break;
        case 2:
            if (d.combos[index].tabOrder != number)
                e.touch<Combo>(index).tabOrder = number;
            break;
        default:
            if (d.checkboxes[index].tabOrder != number)
                e.touch<Checkbox>(index).tabOrder = static_cast<int16_t>(number);
            break;
        }
    });
}

void assignTabOrder(Designer& d)
{
    d.change("Assign Order", [](DocumentEdit& e) { assignTab(e); });
}

void assignTabLiteral(ProjectDocument& d)
{
    const int n = inputCount(d);
    constexpr int kDone = 30000;
    // Working copies of the order numbers; 30000 marks a renumbered entry.
    auto orders = [&](const auto& table) {
        std::vector<int> v(static_cast<size_t>(table.highWater() + 2), kDone);
        for (int i : table.indices())
            v[static_cast<size_t>(i)] = isDeleted(table[i]) ? kDone : table[i].tabOrder;
        return v;
    };
    std::vector<int> fo = orders(d.fields), no = orders(d.notes), co = orders(d.combos),
                     ko = orders(d.checkboxes);
    std::vector<int> fn(fo.size()), nn(no.size()), cn(co.size()), kn(ko.size());
    int counter = 0;
    auto test = [&](std::vector<int>& order, std::vector<int>& number, int i, int k) {
        if (i < static_cast<int>(order.size()) && order[static_cast<size_t>(i)] == k) {
            number[static_cast<size_t>(i)] = ++counter;
            order[static_cast<size_t>(i)] = kDone;
        }
    };
    for (int k = 1; k <= n; ++k) {
        for (int i = 0; i <= n; ++i) {
            test(fo, fn, i, k);
            test(no, nn, i, k);
            test(co, cn, i, k);
            test(ko, kn, i, k);
        }
    }
    auto rest = [&](std::vector<int>& order, std::vector<int>& number, int i) {
        if (i < static_cast<int>(order.size()) && order[static_cast<size_t>(i)] != kDone) {
            number[static_cast<size_t>(i)] = ++counter;
            order[static_cast<size_t>(i)] = kDone;
        }
    };
    for (int i = 0; i <= n; ++i) {
        rest(fo, fn, i);
        rest(no, nn, i);
        rest(co, cn, i);
        rest(ko, kn, i);
    }
    for (int i : d.fields.indices())
        if (!isDeleted(d.fields[i]))
            d.fields[i].tabOrder = static_cast<int16_t>(fn[static_cast<size_t>(i)]);
    for (int i : d.notes.indices())
        if (!isDeleted(d.notes[i]))
            d.notes[i].tabOrder = static_cast<int16_t>(nn[static_cast<size_t>(i)]);
    for (int i : d.combos.indices())
        if (!isDeleted(d.combos[i]))
            d.combos[i].tabOrder = cn[static_cast<size_t>(i)];
    for (int i : d.checkboxes.indices())
        if (!isDeleted(d.checkboxes[i]))
            d.checkboxes[i].tabOrder = static_cast<int16_t>(kn[static_cast<size_t>(i)]);
}

} // namespace qv
