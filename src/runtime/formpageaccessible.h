#pragma once

#include "formobject.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <map>
#include <utility>

namespace qv::runtime {

class FormPage;

// What screen readers and scripted checks see of a form page: every input object and
// button of the page shown, in TAB order, whether drawn or live. A live control answers
// for itself; a drawn object is answered for by a light interface made when first asked
// for, with its accessible name, tool tip, value, place and state, and actions that make
// its control (focus, press, toggle).
class FormPageAccessible : public QAccessibleWidget {
public:
    // Makes Qt ask this class for the interface of every FormPage; once per program.
    static void install();
    // Tells screen readers that another page shows other objects.
    static void pageChanged(FormPage* page);

    explicit FormPageAccessible(FormPage* page);
    ~FormPageAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    FormPage* page() const;
    QAccessibleInterface* interfaceOf(FormObject object) const;

    // The interfaces of drawn objects made so far, by kind and index; the accessibility
    // cache owns them, this page deletes them.
    mutable std::map<std::pair<int, int>, QAccessible::Id> drawn_;
};

} // namespace qv::runtime
