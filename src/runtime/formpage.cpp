#include "formpage.h"

#include "checkeditor.h"
#include "comboeditor.h"
#include "designbutton.h"
#include "fieldeditor.h"
#include "noteseditor.h"

#include "controls/olecolor.h"
#include "controls/paintorder.h"
#include "document/projectdocument.h"
#include "document/units.h"
#include "formula/localeformats.h"
#include "records/inputorder.h"
#include "records/recordform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

namespace qv::runtime {

namespace {

constexpr int kMinWidth = 200;
constexpr int kMinHeight = 150;

// The live controls of fields and notes sit inside the box the painter draws, one pixel
// in from its edge: a field's text then stands where the painter writes it.
QRect insideBox(const QRectF& bounds)
{
    return bounds.adjusted(1, 1, -1, -1).toRect();
}

bool isDate(int format)
{
    return format >= 6 && format <= 9;
}

template <class T> T* at(const std::vector<T*>& items, int index)
{
    if (index < 0 || index >= static_cast<int>(items.size()))
        return nullptr;
    return items[static_cast<size_t>(index)];
}

// Pages in use by the objects of a table: the highest page 0..4 that holds one.
template <class T, class PageOf>
void notePages(const std::vector<T>& items, PageOf pageOf, int& last)
{
    for (const T& item : items) {
        const int page = pageOf(item);
        if (page >= 0 && page < kPageCount)
            last = std::max(last, page);
    }
}

} // namespace

int pixels(float twips)
{
    return static_cast<int>(std::lround(twipsToPixels(twips)));
}

FormPage::FormPage(const AppData& data, const ProjectDocument& design, RecordForm& form,
                   const FormulaLocale& locale, QWidget* parent)
    : QWidget(parent), data_(data), design_(design), form_(form), locale_(locale), painter_(design),
      surface_(gui::colorFromOle(gui::kOleButtonFace)), fields_(data.fields.size(), nullptr),
      notes_(data.notes.size(), nullptr), combos_(data.combos.size(), nullptr),
      checkboxes_(data.checkboxes.size(), nullptr), buttons_(data.buttons.size(), nullptr)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(std::max(pixels(data.surfaceWidth), kMinWidth),
                 std::max(pixels(data.surfaceHeight), kMinHeight));
    if (data.tileBackgroundVisible)
        tile_.load(QCoreApplication::applicationDirPath() + QStringLiteral("/0.jpg"));
    notePages(
        data.fields, [](const BlockField& b) { return int(b.field.page); }, lastUsedPage_);
    notePages(
        data.notes, [](const BlockNotes& b) { return int(b.notes.page); }, lastUsedPage_);
    notePages(
        data.combos, [](const Combo& c) { return int(c.page); }, lastUsedPage_);
    notePages(
        data.checkboxes, [](const Checkbox& c) { return int(c.page); }, lastUsedPage_);
    notePages(
        data.buttons, [](const Button& b) { return int(b.page); }, lastUsedPage_);
    notePages(
        data.squares, [](const Square& s) { return int(s.page); }, lastUsedPage_);
    notePages(
        data.lines, [](const Line& l) { return int(l.page); }, lastUsedPage_);
    notePages(
        data.titles, [](const Title& t) { return int(t.page); }, lastUsedPage_);
    notePages(
        data.pictures, [](const BlockPicture& p) { return int(p.picture.page); }, lastUsedPage_);
    setPage(0);
}

FormPage::~FormPage() = default;

bool FormPage::onPage(int objectPage) const
{
    return objectPage == page_ || objectPage == kAllPages;
}

void FormPage::setPage(int page)
{
    page_ = std::clamp(page, 0, kPageCount - 1);
    buildPage(page_);
    for (const auto& [editor, objectPage] : made_)
        editor->setVisible(onPage(objectPage));
    update();
}

void FormPage::buildPage(int page)
{
    PageContent& content = pages_[static_cast<size_t>(page)];
    if (content.built)
        return;
    content.built = true;
    auto drawAll = [&](const auto& table) {
        for (int i : table.indices()) {
            if (!isOnPage(table[i], page))
                continue;
            const QRectF bounds = painter_.bounds(table.kind(), i);
            if (!bounds.isEmpty())
                content.drawn.push_back({table.kind(), i, bounds});
        }
    };
    for (ObjectKind kind : gui::kPaintOrder) {
        switch (kind) {
        case ObjectKind::Line: drawAll(design_.lines); break;
        case ObjectKind::Square: drawAll(design_.squares); break;
        case ObjectKind::Picture: drawAll(design_.pictures); break;
        case ObjectKind::Title: drawAll(design_.titles); break;
        // The boxes of fields and notes; their live controls write the text.
        case ObjectKind::Field: drawAll(design_.fields); break;
        case ObjectKind::Notes: drawAll(design_.notes); break;
        // Web scripts show only in the exported web page; combos, check boxes and buttons
        // are drawn whole by their live controls.
        default: break;
        }
    }
    for (InputRef ref : InputOrder(data_)) {
        const int objectPage = PageOf(data_, ref);
        if (objectPage != page && objectPage != kAllPages)
            continue;
        QWidget* editor = this->editor(ref);
        if (!editor)
            editor = createEditor(ref);
        content.tabOrder.push_back(editor);
    }
    std::vector<int> buttons;
    for (size_t i = 0; i < data_.buttons.size(); ++i) {
        const int objectPage = data_.buttons[i].page;
        if (objectPage == page || objectPage == kAllPages)
            buttons.push_back(static_cast<int>(i));
    }
    std::stable_sort(buttons.begin(), buttons.end(), [&](int a, int b) {
        return data_.buttons[static_cast<size_t>(a)].tabOrder <
               data_.buttons[static_cast<size_t>(b)].tabOrder;
    });
    for (int i : buttons)
        content.tabOrder.push_back(button(i) ? button(i) : createButton(i));
}

QWidget* FormPage::createEditor(InputRef ref)
{
    const auto at = static_cast<size_t>(ref.index);
    QWidget* made = nullptr;
    int objectPage = 0;
    switch (ref.kind) {
    case InputKind::Field: {
        const Field& f = design_.fields[ref.index];
        auto* edit = new FieldEditor(f, this);
        edit->setGeometry(insideBox(painter_.bounds(ObjectKind::Field, ref.index)));
        if (data_.calendarOption != 0 && isDate(f.fieldFormat))
            edit->setCalendar([this, ref](QDate day) { return formatDay(ref.index, day); });
        connect(edit, &FieldEditor::typed, this, [this, ref](const QString& text) {
            form_.setValue(ref, text.toStdString());
            emit typed(ref);
        });
        fields_[at - 1] = edit;
        made = edit;
        objectPage = f.page;
        break;
    }
    case InputKind::Notes: {
        const Notes& n = design_.notes[ref.index];
        auto* edit = new NotesEditor(n, this);
        edit->setGeometry(insideBox(painter_.bounds(ObjectKind::Notes, ref.index)));
        connect(edit, &NotesEditor::typed, this, [this, ref](const QString& text) {
            form_.setValue(ref, text.toStdString());
            emit typed(ref);
        });
        notes_[at - 1] = edit;
        made = edit;
        objectPage = n.page;
        break;
    }
    case InputKind::Combo: {
        const Combo& c = design_.combos[ref.index];
        auto* edit = new ComboEditor(c, this);
        edit->setGeometry(painter_.bounds(ObjectKind::Combo, ref.index).toRect());
        connect(edit, &ComboEditor::typed, this, [this, ref](const QString& text) {
            form_.setValue(ref, text.toStdString());
            emit typed(ref);
        });
        combos_[at - 1] = edit;
        made = edit;
        objectPage = c.page;
        break;
    }
    case InputKind::Checkbox: {
        const Checkbox& c = design_.checkboxes[ref.index];
        auto* box = new CheckEditor(c, this);
        box->setGeometry(painter_.bounds(ObjectKind::Checkbox, ref.index).toRect());
        connect(box, &CheckEditor::typed, this, [this, ref](int value) {
            form_.setValue(ref, std::to_string(value));
            emit typed(ref);
        });
        checkboxes_[at] = box;
        made = box;
        objectPage = c.page;
        break;
    }
    }
    made_.emplace_back(made, objectPage);
    showValue(ref);
    lockEditor(ref, made);
    made->setVisible(onPage(objectPage));
    return made;
}

QWidget* FormPage::createButton(int index)
{
    const Button& b = design_.buttons[index];
    auto* button = new DesignButton(b, this);
    button->setGeometry(painter_.bounds(ObjectKind::Button, index).toRect());
    connect(button, &QPushButton::clicked, this, [this, index] { emit buttonPressed(index); });
    buttons_[static_cast<size_t>(index)] = button;
    made_.emplace_back(button, b.page);
    button->setVisible(onPage(b.page));
    return button;
}

FieldEditor* FormPage::field(int index) const
{
    return at(fields_, index - 1);
}

NotesEditor* FormPage::notes(int index) const
{
    return at(notes_, index - 1);
}

ComboEditor* FormPage::combo(int index) const
{
    return at(combos_, index - 1);
}

CheckEditor* FormPage::checkbox(int index) const
{
    return at(checkboxes_, index);
}

DesignButton* FormPage::button(int index) const
{
    return at(buttons_, index);
}

QWidget* FormPage::editor(InputRef ref) const
{
    switch (ref.kind) {
    case InputKind::Field: return field(ref.index);
    case InputKind::Notes: return notes(ref.index);
    case InputKind::Combo: return combo(ref.index);
    case InputKind::Checkbox: return checkbox(ref.index);
    }
    return nullptr;
}

std::optional<InputRef> FormPage::focusedInput() const
{
    const QWidget* focus = QApplication::focusWidget();
    while (focus && focus->parentWidget() != this)
        focus = focus->parentWidget();
    if (!focus)
        return std::nullopt;
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i] == focus)
            return InputRef{InputKind::Field, static_cast<int>(i + 1)};
    for (size_t i = 0; i < notes_.size(); ++i)
        if (notes_[i] == focus)
            return InputRef{InputKind::Notes, static_cast<int>(i + 1)};
    for (size_t i = 0; i < combos_.size(); ++i)
        if (combos_[i] == focus)
            return InputRef{InputKind::Combo, static_cast<int>(i + 1)};
    for (size_t i = 0; i < checkboxes_.size(); ++i)
        if (checkboxes_[i] == focus)
            return InputRef{InputKind::Checkbox, static_cast<int>(i)};
    return std::nullopt;
}

void FormPage::focusFirst()
{
    for (QWidget* editor : pages_[static_cast<size_t>(page_)].tabOrder) {
        if (editor->isVisible() && editor->isEnabled()) {
            editor->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void FormPage::showValue(InputRef ref)
{
    const QString value = QString::fromStdString(form_.value(ref));
    switch (ref.kind) {
    case InputKind::Field:
        if (FieldEditor* edit = field(ref.index))
            edit->showValue(value);
        break;
    case InputKind::Notes:
        if (NotesEditor* edit = notes(ref.index))
            edit->showValue(value);
        break;
    case InputKind::Combo:
        if (ComboEditor* edit = combo(ref.index))
            edit->showValue(value);
        break;
    case InputKind::Checkbox:
        if (CheckEditor* box = checkbox(ref.index))
            box->showValue(value.toInt());
        break;
    }
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
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i])
            lockEditor({InputKind::Field, static_cast<int>(i + 1)}, fields_[i]);
    for (size_t i = 0; i < notes_.size(); ++i)
        if (notes_[i])
            lockEditor({InputKind::Notes, static_cast<int>(i + 1)}, notes_[i]);
    for (size_t i = 0; i < combos_.size(); ++i)
        if (combos_[i])
            lockEditor({InputKind::Combo, static_cast<int>(i + 1)}, combos_[i]);
    for (size_t i = 0; i < checkboxes_.size(); ++i)
        if (checkboxes_[i])
            lockEditor({InputKind::Checkbox, static_cast<int>(i)}, checkboxes_[i]);
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

void FormPage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, surface_);
    if (!tile_.isNull())
        painter.drawTiledPixmap(rect(), tile_);
    for (const Drawn& drawn : pages_[static_cast<size_t>(page_)].drawn) {
        if (drawn.bounds.intersects(dirty))
            painter_.paint(painter, drawn.kind, drawn.index);
    }
}

bool FormPage::focusNextPrevChild(bool next)
{
    const std::vector<QWidget*>& order = pages_[static_cast<size_t>(page_)].tabOrder;
    const QWidget* focus = QApplication::focusWidget();
    while (focus && focus->parentWidget() != this)
        focus = focus->parentWidget();
    const auto current = std::find(order.begin(), order.end(), focus);
    if (order.empty() || current == order.end())
        return QWidget::focusNextPrevChild(next);
    // The design's TAB order, round the page.
    const auto count = static_cast<ptrdiff_t>(order.size());
    ptrdiff_t at = current - order.begin();
    for (ptrdiff_t step = 0; step < count; ++step) {
        at = (at + (next ? 1 : -1) + count) % count;
        QWidget* candidate = order[static_cast<size_t>(at)];
        if (candidate->isVisible() && candidate->isEnabled()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return true;
}

} // namespace qv::runtime
