#include "designer/pageoperations.h"

#include "designer/objectgeometry.h"

#include <charconv>

namespace qv {

void showPage(Designer& d, int page)
{
    if (page < 0 || page >= kPageCount)
        return;
    d.document().currentPage = page;
}

std::vector<ObjectRef> objectsOnPage(const ProjectDocument& doc, int page)
{
    std::vector<ObjectRef> shown;
    for (ObjectKind kind : kAllKinds) {
        visitTable(doc, kind, [&](const auto& table) {
            for (int i : table.indices()) {
                if (!isDeleted(table[i]) && isOnPage(table[i], page))
                    shown.push_back({kind, i});
            }
        });
    }
    return shown;
}

bool toggleAllPages(Designer& d)
{
    const auto ref = d.selection().single();
    if (!ref)
        return false;
    return d.change("All Pages", [&](DocumentEdit& e) {
        return e.touchObject(*ref, [&](auto& o) {
            using Page = decltype(o.page);
            o.page = pageOf(o) == kAllPages ? static_cast<Page>(e.document().currentPage)
                                            : static_cast<Page>(kAllPages);
        });
    });
}

bool moveToPage(Designer& d, int page)
{
    if (page < 0 || page >= kPageCount)
        return false;
    const SelectionState& s = d.selection();
    std::vector<ObjectRef> targets;
    if (s.bandVisible)
        targets = s.multi;
    else if (auto one = s.single())
        targets.push_back(*one);
    if (targets.empty())
        return false;
    d.change("Move to Page", [&](DocumentEdit& e) {
        for (const ObjectRef& ref : targets)
            e.touchObject(ref, [&](auto& o) { o.page = static_cast<decltype(o.page)>(page); });
        e.document().currentPage = page;
    });
    return true;
}

bool toggleLock(Designer& d)
{
    d.selection().locked = !d.selection().locked;
    return d.selection().locked;
}

bool setInputFlag(Designer& d, InputFlag flag, bool value)
{
    const std::vector<ObjectRef> targets = d.selection().targets();
    if (targets.empty())
        return false;
    // Only the records that have the flag are touched: an object without it is no change
    // (and leaves the document unmodified).
    return d.change("Input Flag", [&](DocumentEdit& e) {
        bool any = false;
        for (const ObjectRef& ref : targets) {
            visitTable(e.document(), ref.kind, [&](auto& table) {
                using T = RecordType<decltype(table)>;
                if (!table.contains(ref.index))
                    return;
                const auto write = [&](auto member) {
                    T& o = e.touch<T>(ref.index);
                    o.*member = static_cast<std::remove_reference_t<decltype(o.*member)>>(value);
                    any = true;
                };
                if (flag == InputFlag::LockEnabled) {
                    if constexpr (requires(T o) { o.lockEnabled; })
                        write(&T::lockEnabled);
                } else if (flag == InputFlag::NoSearch) {
                    if constexpr (requires(T o) { o.noSearch; })
                        write(&T::noSearch);
                } else if constexpr (requires(T o) { o.noChart; }) {
                    write(&T::noChart);
                }
            });
        }
        return any;
    });
}

bool setOrderNumber(Designer& d, const std::string& text)
{
    const auto ref = d.selection().single();
    if (!ref || (ref->kind != ObjectKind::Field && ref->kind != ObjectKind::Notes &&
                 ref->kind != ObjectKind::Combo && ref->kind != ObjectKind::Checkbox))
        return false;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < -32768 || value > 32767)
        return false;
    return d.change("Order Number", [&](DocumentEdit& e) {
        return e.touchObject(*ref, [&](auto& o) {
            if constexpr (requires { o.tabOrder; })
                o.tabOrder = static_cast<decltype(o.tabOrder)>(value);
        });
    });
}

} // namespace qv
