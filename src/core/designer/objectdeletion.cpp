#include "designer/objectdeletion.h"

#include "designer/canvasoperations.h"
#include "designer/formulareferences.h"
#include "designer/taborder.h"

#include <algorithm>

namespace qv {

namespace {

// Compacts one table without the marked indexes; returns the map old -> new number.
template <class T>
ReferenceMap compact(DocumentEdit& e, ObjectTable<T>& table, const std::vector<bool>& marked)
{
    ReferenceMap map;
    map.newNumber.assign(static_cast<size_t>(table.highWater() + 1), -2);
    e.touchTable(KindOf<T>::value);
    int next = table.firstIndex();
    for (int i : table.indices()) {
        if (marked[static_cast<size_t>(i)]) {
            map.newNumber[static_cast<size_t>(i)] = -1;
            continue;
        }
        map.newNumber[static_cast<size_t>(i)] = next;
        if (next != i)
            table[next] = std::move(table[i]);
        ++next;
    }
    T parked = table.templateElement();
    table.setHighWater(next - 1);
    if (next == 0 && table.firstIndex() == 0) {
        // Element 0 is the template again.
        table.templateElement() = parked;
        table.templateElement().page = static_cast<decltype(parked.page)>(kParkedPage);
    }
    return map;
}

bool remapNumber(int& number, const ReferenceMap& map)
{
    const int mapped = map.map(number);
    if (mapped == -2 || mapped == number)
        return false;
    number = std::max(mapped, 0);
    return true;
}

void rewriteTexts(DocumentEdit& e, char letter, const ReferenceMap& map)
{
    ProjectDocument& doc = e.document();
    for (int i : doc.fields.indices()) {
        const std::string& formula = doc.fields[i].fieldFormula;
        if (!mentionsReference(formula, letter))
            continue;
        std::string rewritten = renumberReferences(formula, letter, map);
        if (rewritten != formula)
            e.touch<Field>(i).fieldFormula = std::move(rewritten);
    }
    for (int i : doc.buttons.indices()) {
        const std::string& action = doc.buttons[i].buttonAction;
        if (!mentionsReference(action, letter))
            continue;
        std::string rewritten = renumberReferences(action, letter, map);
        if (rewritten != action)
            e.touch<Button>(i).buttonAction = std::move(rewritten);
    }
}

void rewriteReports(DocumentEdit& e, int base, int limit, const ReferenceMap& map)
{
    ProjectDocument& doc = e.document();
    bool touched = false;
    for (ReportSlot& slot : doc.reportSlots) {
        for (ReportLabel& label : slot.report.labels) {
            const int code = label.referenceCode;
            if (code < base || code >= base + limit || (base == 0 && code < 1))
                continue;
            const int mapped = map.map(code - base);
            if (mapped == -2 || mapped == code - base)
                continue;
            if (!touched) {
                e.touchReports();
                touched = true;
            }
            if (mapped < 0) {
                label.referenceCode = kPlainLabelRef;
                label.caption = std::string(kDeletedReference);
            } else {
                label.referenceCode = static_cast<int16_t>(base + mapped);
            }
        }
    }
}

} // namespace

Outcome deleteObjects(Designer& d, const std::vector<ObjectRef>& objects)
{
    if (objects.empty())
        return {};
    return d.change("Delete", [&](DocumentEdit& e) {
        ProjectDocument& doc = e.document();
        for (ObjectKind kind : kAllKinds) {
            visitTable(doc, kind, [&](auto& table) {
                std::vector<bool> marked(static_cast<size_t>(table.highWater() + 2), false);
                bool any = false;
                for (const ObjectRef& ref : objects) {
                    if (ref.kind == kind && table.contains(ref.index)) {
                        marked[static_cast<size_t>(ref.index)] = true;
                        any = true;
                    }
                }
                if (!any)
                    return;
                const ReferenceMap map = compact(e, table, marked);
                switch (kind) {
                case ObjectKind::Field: {
                    rewriteTexts(e, 'F', map);
                    rewriteReports(e, 0, kComboRefBase, map);
                    int box = doc.settings.emailFieldBoxIndex;
                    int name = doc.settings.emailNameField;
                    const bool boxChanged = box != 0 && remapNumber(box, map);
                    const bool nameChanged = name != 0 && remapNumber(name, map);
                    if (boxChanged || nameChanged) {
                        e.touchSettings();
                        doc.settings.emailFieldBoxIndex = static_cast<int16_t>(box);
                        doc.settings.emailNameField = static_cast<int16_t>(name);
                    }
                    break;
                }
                case ObjectKind::Combo:
                    rewriteTexts(e, 'C', map);
                    rewriteReports(e, kComboRefBase, 2000, map);
                    break;
                case ObjectKind::Checkbox:
                    rewriteTexts(e, 'K', map);
                    rewriteReports(e, kCheckboxRefBase, 2000, map);
                    break;
                case ObjectKind::Notes:
                    rewriteTexts(e, 'M', map);
                    rewriteReports(e, kNotesRefBase, 2000, map);
                    break;
                default: break;
                }
            });
        }
        assignTab(e);
        SelectionState& s = e.selection();
        releaseAreaSelection(s);
        s.kind = 0;
        return Outcome::ok();
    });
}

Outcome deleteSelection(Designer& d)
{
    const SelectionState& s = d.selection();
    if (!s.multi.empty())
        return deleteObjects(d, s.multi);
    if (auto one = s.single())
        return deleteObjects(d, {*one});
    return {};
}

} // namespace qv
