#include "formpageaccessible.h"

#include "formpage.h"

#include <QAbstractButton>
#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace qv::runtime {

namespace {

// A drawn object of a form page, for screen readers: what its live control would tell.
class DrawnObjectAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    DrawnObjectAccessible(FormPage* page, FormObject object) : page_(page), object_(object) {}

    FormObject formObject() const { return object_; }

    bool isValid() const override { return !page_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return page_ ? page_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return page_ ? QAccessible::queryAccessibleInterface(page_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!page_)
            return {};
        switch (t) {
        case QAccessible::Name: return page_->accessibleNameOf(object_);
        case QAccessible::Description: return page_->toolTipOf(object_);
        case QAccessible::Value:
            return object_.kind == ObjectKind::Checkbox || object_.kind == ObjectKind::Button
                       ? QString()
                       : page_->valueOf(object_);
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!page_)
            return {};
        const QRect local = page_->controlRect(object_);
        return {page_->mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::Role role() const override
    {
        // As the live controls answer: a combo is a line that can open a list.
        switch (object_.kind) {
        case ObjectKind::Checkbox: return QAccessible::CheckBox;
        case ObjectKind::Button: return QAccessible::Button;
        default: return QAccessible::EditableText;
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!page_ || !page_->isVisible()) {
            state.invisible = true;
            return state;
        }
        state.focusable = true;
        const bool locked = page_->isLocked(object_);
        switch (object_.kind) {
        case ObjectKind::Notes: state.multiLine = true; [[fallthrough]];
        case ObjectKind::Field:
        case ObjectKind::Combo:
            state.editable = !locked;
            state.readOnly = locked;
            state.hasPopup = object_.kind == ObjectKind::Combo;
            break;
        case ObjectKind::Checkbox:
            state.checkable = true;
            state.checked = page_->valueOf(object_).toInt() != 0;
            state.disabled = locked;
            break;
        default: break;
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override
    {
        switch (object_.kind) {
        case ObjectKind::Button: return {pressAction(), setFocusAction()};
        case ObjectKind::Checkbox: return {toggleAction(), setFocusAction()};
        default: return {setFocusAction()};
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void doAction(const QString& name) override
    {
        if (!page_)
            return;
        QWidget* control = page_->activate(object_);
        if (name == pressAction() || name == toggleAction()) {
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                button->click();
        }
    }

private:
    QPointer<FormPage> page_;
    FormObject object_;
};

QAccessibleInterface* formPageFactory(const QString& className, QObject* object)
{
    if (object && object->isWidgetType() &&
        className == QLatin1String(FormPage::staticMetaObject.className()))
        return new FormPageAccessible(static_cast<FormPage*>(object));
    return nullptr;
}

} // namespace

void FormPageAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(formPageFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void FormPageAccessible::pageChanged(FormPage* page)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(page, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

FormPageAccessible::FormPageAccessible(FormPage* page) : QAccessibleWidget(page) {}

FormPageAccessible::~FormPageAccessible()
{
    for (const auto& [key, id] : drawn_)
        QAccessible::deleteAccessibleInterface(id);
}

FormPage* FormPageAccessible::page() const
{
    return static_cast<FormPage*>(widget());
}

int FormPageAccessible::childCount() const
{
    return static_cast<int>(page()->objectsShown().size());
}

QAccessibleInterface* FormPageAccessible::interfaceOf(FormObject object) const
{
    if (QWidget* control = page()->liveControl(object))
        return QAccessible::queryAccessibleInterface(control);
    const std::pair<int, int> key{static_cast<int>(object.kind), object.index};
    if (const auto known = drawn_.find(key); known != drawn_.end())
        return QAccessible::accessibleInterface(known->second);
    auto* made = new DrawnObjectAccessible(page(), object);
    drawn_.emplace(key, QAccessible::registerAccessibleInterface(made));
    return made;
}

QAccessibleInterface* FormPageAccessible::child(int index) const
{
    const std::vector<FormObject>& objects = page()->objectsShown();
    if (index < 0 || index >= static_cast<int>(objects.size()))
        return nullptr;
    return interfaceOf(objects[static_cast<size_t>(index)]);
}

int FormPageAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (!child)
        return -1;
    std::optional<FormObject> object;
    if (const auto* drawn = dynamic_cast<const DrawnObjectAccessible*>(child))
        object = drawn->formObject();
    else if (child->object() && child->object()->isWidgetType())
        object = page()->objectOf(static_cast<QWidget*>(child->object()));
    if (!object)
        return -1;
    const std::vector<FormObject>& objects = page()->objectsShown();
    const auto found = std::find(objects.begin(), objects.end(), *object);
    return found == objects.end() ? -1 : static_cast<int>(found - objects.begin());
}

QAccessibleInterface* FormPageAccessible::childAt(int x, int y) const
{
    const QPoint point = page()->mapFromGlobal(QPoint(x, y));
    const std::optional<FormObject> object = page()->objectAt(point);
    return object ? interfaceOf(*object) : nullptr;
}

} // namespace qv::runtime
