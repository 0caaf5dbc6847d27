// The live controls of a form page: made for the object the user works with, kept in step
// with the form's values and locks, and what the page tells of its objects.
#include "formpage.h"

#include "checkeditor.h"
#include "comboeditor.h"
#include "designbutton.h"
#include "fieldeditor.h"
#include "noteseditor.h"

#include "document/projectdocument.h"
#include "formula/localeformats.h"
#include "records/inputorder.h"
#include "records/recordform.h"

#include <QApplication>
#include <QDate>
#include <QScrollArea>

namespace qv::runtime {

namespace {

template <class T> T* at(const std::vector<T*>& items, int index)
{
    if (index < 0 || index >= static_cast<int>(items.size()))
        return nullptr;
    return items[static_cast<size_t>(index)];
}

// A caption as a screen reader says it: "&&" is an ampersand, a single "&" marks the
// mnemonic and is not read.
QString withoutMnemonic(const QString& caption)
{
    QString said;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
                said += caption[++i];
            continue;
        }
        said += caption[i];
    }
    return said;
}

} // namespace

QWidget* FormPage::liveControl(FormObject object) const
{
    switch (object.kind) {
    case ObjectKind::Field: return at(fields_, object.index - 1);
    case ObjectKind::Notes: return at(notes_, object.index - 1);
    case ObjectKind::Combo: return at(combos_, object.index - 1);
    case ObjectKind::Checkbox: return at(checkboxes_, object.index);
    case ObjectKind::Button: return at(buttons_, object.index);
    default: return nullptr;
    }
}

QWidget* FormPage::makeControl(FormObject object)
{
    if (QWidget* control = liveControl(object))
        return control;
    if (!onPage(pageOf(object)))
        return nullptr;
    if (object.kind == ObjectKind::Button)
        return createButton(object.index);
    if (const std::optional<InputRef> input = inputOf(object))
        return createEditor(*input);
    return nullptr;
}

QWidget* FormPage::activate(FormObject object, Qt::FocusReason reason)
{
    QWidget* control = makeControl(object);
    if (!control)
        return nullptr;
    control->setFocus(reason);
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(w)) {
            area->ensureWidgetVisible(control, 0, 0);
            break;
        }
    }
    return control;
}

QWidget* FormPage::createEditor(InputRef ref)
{
    const auto at = static_cast<size_t>(ref.index);
    const FormObject object = formObjectOf(ref);
    QWidget* made = nullptr;
    switch (ref.kind) {
    case InputKind::Field: {
        const Field& f = design_.fields[ref.index];
        auto* edit = new FieldEditor(f, this);
        if (hasCalendar(ref.index))
            edit->setCalendar([this, ref](QDate day) { return formatDay(ref.index, day); });
        connect(edit, &FieldEditor::typed, this, [this, ref](const QString& text) {
            form_.setValue(ref, text.toStdString());
            emit typed(ref);
        });
        fields_[at - 1] = edit;
        made = edit;
        break;
    }
    case InputKind::Notes: {
        auto* edit = new NotesEditor(design_.notes[ref.index], this);
        connect(edit, &NotesEditor::typed, this, [this, ref](const QString& text) {
            form_.setValue(ref, text.toStdString());
            emit typed(ref);
        });
        notes_[at - 1] = edit;
        made = edit;
        break;
    }
    case InputKind::Combo: {
        auto* edit = new ComboEditor(design_.combos[ref.index], this);
        connect(edit, &ComboEditor::typed, this, [this, ref](const QString& text) {
            form_.setValue(ref, text.toStdString());
            emit typed(ref);
        });
        combos_[at - 1] = edit;
        made = edit;
        break;
    }
    case InputKind::Checkbox: {
        auto* box = new CheckEditor(design_.checkboxes[ref.index], this);
        connect(box, &CheckEditor::typed, this, [this, ref](int value) {
            form_.setValue(ref, std::to_string(value));
            emit typed(ref);
        });
        checkboxes_[at] = box;
        made = box;
        break;
    }
    }
    made->setGeometry(controlRect(object));
    live_.push_back({made, object, pageOf(object)});
    showValue(ref);
    lockEditor(ref, made);
    made->setVisible(true);
    return made;
}

QWidget* FormPage::createButton(int index)
{
    const Button& b = design_.buttons[index];
    auto* button = new DesignButton(b, this);
    button->setGeometry(controlRect({ObjectKind::Button, index}));
    connect(button, &QPushButton::clicked, this, [this, index] { emit buttonPressed(index); });
    buttons_[static_cast<size_t>(index)] = button;
    live_.push_back({button, {ObjectKind::Button, index}, b.page});
    button->setVisible(true);
    return button;
}

FieldEditor* FormPage::field(int index)
{
    return static_cast<FieldEditor*>(makeControl({ObjectKind::Field, index}));
}

NotesEditor* FormPage::notes(int index)
{
    return static_cast<NotesEditor*>(makeControl({ObjectKind::Notes, index}));
}

ComboEditor* FormPage::combo(int index)
{
    return static_cast<ComboEditor*>(makeControl({ObjectKind::Combo, index}));
}

CheckEditor* FormPage::checkbox(int index)
{
    return static_cast<CheckEditor*>(makeControl({ObjectKind::Checkbox, index}));
}

DesignButton* FormPage::button(int index)
{
    return static_cast<DesignButton*>(makeControl({ObjectKind::Button, index}));
}

QWidget* FormPage::editor(InputRef ref)
{
    return makeControl(formObjectOf(ref));
}

std::optional<FormObject> FormPage::objectOf(const QWidget* control) const
{
    for (const Live& live : live_) {
        if (live.control == control)
            return live.object;
    }
    return std::nullopt;
}

QString FormPage::accessibleNameOf(FormObject object) const
{
    const int i = object.index;
    switch (object.kind) {
    case ObjectKind::Field: return QString::fromStdString(design_.fields[i].tag);
    case ObjectKind::Notes: return QString::fromStdString(design_.notes[i].tag);
    case ObjectKind::Combo: return QString::fromStdString(design_.combos[i].tag);
    case ObjectKind::Checkbox: return QString::fromStdString(design_.checkboxes[i].tag);
    case ObjectKind::Button: {
        // A button without a caption is known by its tool tip.
        const Button& b = design_.buttons[i];
        return b.caption.empty() ? QString::fromStdString(b.toolTipText)
                                 : withoutMnemonic(QString::fromStdString(b.caption));
    }
    default: return {};
    }
}

QString FormPage::toolTipOf(FormObject object) const
{
    const int i = object.index;
    switch (object.kind) {
    case ObjectKind::Field: return QString::fromStdString(design_.fields[i].toolTipText);
    case ObjectKind::Notes: return QString::fromStdString(design_.notes[i].toolTipText);
    case ObjectKind::Combo: return QString::fromStdString(design_.combos[i].toolTipText);
    case ObjectKind::Checkbox: return QString::fromStdString(design_.checkboxes[i].toolTipText);
    case ObjectKind::Button: return QString::fromStdString(design_.buttons[i].toolTipText);
    default: return {};
    }
}

QString FormPage::valueOf(FormObject object) const
{
    const std::optional<InputRef> input = inputOf(object);
    return input ? QString::fromStdString(form_.value(*input)) : QString();
}

bool FormPage::isLocked(FormObject object) const
{
    const std::optional<InputRef> input = inputOf(object);
    return input && (readOnly_ || form_.locked(*input));
}

std::optional<InputRef> FormPage::focusedInput() const
{
    const QWidget* focus = QApplication::focusWidget();
    while (focus && focus->parentWidget() != this)
        focus = focus->parentWidget();
    if (!focus)
        return std::nullopt;
    const std::optional<FormObject> object = objectOf(focus);
    return object ? inputOf(*object) : std::nullopt;
}

void FormPage::focusFirst()
{
    const std::vector<FormObject>& order = objectsShown();
    if (!order.empty())
        activate(order.front(), Qt::TabFocusReason);
}

void FormPage::showValue(InputRef ref)
{
    const QString value = QString::fromStdString(form_.value(ref));
    switch (ref.kind) {
    case InputKind::Field:
        if (auto* edit = static_cast<FieldEditor*>(liveControl(formObjectOf(ref))))
            return edit->showValue(value);
        break;
    case InputKind::Notes:
        if (auto* edit = static_cast<NotesEditor*>(liveControl(formObjectOf(ref))))
            return edit->showValue(value);
        break;
    case InputKind::Combo:
        if (auto* edit = static_cast<ComboEditor*>(liveControl(formObjectOf(ref))))
            return edit->showValue(value);
        break;
    case InputKind::Checkbox:
        if (auto* box = static_cast<CheckEditor*>(liveControl(formObjectOf(ref))))
            return box->showValue(value.toInt());
        break;
    }
    if (onPage(PageOf(data_, ref)))
        redraw(controlRect(formObjectOf(ref)));
}

void FormPage::redraw(const QRect& rect)
{
    // A record shown changes every value at once: one repaint of their bounds, not one
    // region of thousands of rectangles.
    if (dirty_.isNull())
        QMetaObject::invokeMethod(
            this,
            [this] {
                update(dirty_);
                dirty_ = QRect();
            },
            Qt::QueuedConnection);
    dirty_ |= rect;
}

void FormPage::lockEditor(InputRef ref, QWidget* editor)
{
    const bool locked = readOnly_ || form_.locked(ref);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setReadOnly(locked);
    else if (auto* memo = qobject_cast<NotesEditor*>(editor))
        memo->setReadOnly(locked);
    else if (auto* box = qobject_cast<CheckEditor*>(editor))
        box->setReadOnly(locked);
}

void FormPage::applyLocks(bool readOnly)
{
    readOnly_ = readOnly;
    for (const Live& live : live_) {
        if (const std::optional<InputRef> input = inputOf(live.object))
            lockEditor(*input, live.control);
    }
    // Locked combos and check boxes are drawn dimmed.
    update();
}

QString FormPage::formatDay(int field, QDate day)
{
    if (!formats_)
        formats_ = std::make_unique<LocaleFormats>(locale_);
    const double serial = static_cast<double>(QDate(1899, 12, 30).daysTo(day));
    std::optional<std::string> text;
    switch (design_.fields[field].fieldFormat) {
    case 6: text = formats_->generalDate(serial); break;
    case 8: text = formats_->mediumDate(serial); break;
    case 9: text = formats_->longDate(serial); break;
    default: text = formats_->shortDate(serial); break;
    }
    return QString::fromStdString(text.value_or(std::string()));
}

bool FormPage::hasCalendar(int field) const
{
    const int format = design_.fields[field].fieldFormat;
    return data_.calendarOption != 0 && format >= 6 && format <= 9;
}

} // namespace qv::runtime
