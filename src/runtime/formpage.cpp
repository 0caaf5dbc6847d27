#include "formpage.h"

#include "controlfaces.h"
#include "formpageaccessible.h"

#include "controls/olecolor.h"
#include "controls/paintorder.h"
#include "designer/objectcreation.h"
#include "document/projectdocument.h"
#include "document/units.h"
#include "formula/localeformats.h"
#include "records/inputorder.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QToolTip>

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
    FormPageAccessible::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The page hands the focus on to the first object when TAB reaches it; buttons light
    // up under the pointer.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
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

int FormPage::pageOf(FormObject object) const
{
    if (object.kind == ObjectKind::Button)
        return design_.buttons[object.index].page;
    return PageOf(data_, *inputOf(object));
}

void FormPage::setPage(int page)
{
    page_ = std::clamp(page, 0, kPageCount - 1);
    buildPage(page_);
    for (const Live& live : live_)
        live.control->setVisible(onPage(live.page));
    update();
    FormPageAccessible::pageChanged(this);
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
        // The boxes of fields and notes; their values are drawn over them.
        case ObjectKind::Field: drawAll(design_.fields); break;
        case ObjectKind::Notes: drawAll(design_.notes); break;
        // Web scripts show only in the exported web page; combos, check boxes and buttons
        // are drawn whole with the objects the user works with.
        default: break;
        }
    }
    for (InputRef ref : InputOrder(data_)) {
        const int objectPage = PageOf(data_, ref);
        if (objectPage == page || objectPage == kAllPages)
            content.objects.push_back(formObjectOf(ref));
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
        content.objects.push_back({ObjectKind::Button, i});
    content.controlRects.reserve(content.objects.size());
    for (FormObject object : content.objects)
        content.controlRects.push_back(controlRect(object));
}

void FormPage::showSpecialLabels(const SpecialLabelTexts& texts)
{
    const std::pair<int, const std::optional<std::string>*> labels[] = {
        {kDateLabel, &texts.date},
        {kDateStampLabel, &texts.dateStamp},
        {kRecordIdLabel, &texts.recordId}};
    for (const auto& [index, caption] : labels) {
        const std::optional<std::string>& text = *caption;
        painter_.setLiveCaption(index, text ? QString::fromStdString(*text) : QString());
        // A label is as wide as its caption: the drawn place follows it.
        for (PageContent& content : pages_) {
            for (Drawn& drawn : content.drawn) {
                if (drawn.kind != ObjectKind::Title || drawn.index != index)
                    continue;
                redraw(drawn.bounds.toAlignedRect());
                drawn.bounds = painter_.bounds(ObjectKind::Title, index);
                redraw(drawn.bounds.toAlignedRect());
            }
        }
    }
}

const std::vector<FormObject>& FormPage::objectsShown() const
{
    return pages_[static_cast<size_t>(page_)].objects;
}

QRect FormPage::controlRect(FormObject object) const
{
    const QRectF bounds = painter_.bounds(object.kind, object.index);
    if (object.kind == ObjectKind::Field || object.kind == ObjectKind::Notes)
        return insideBox(bounds);
    return bounds.toRect();
}

std::optional<FormObject> FormPage::objectAt(QPoint point) const
{
    const PageContent& content = pages_[static_cast<size_t>(page_)];
    // Drawn last is topmost.
    for (size_t i = content.objects.size(); i-- > 0;) {
        if (content.controlRects[i].contains(point))
            return content.objects[i];
    }
    return std::nullopt;
}

void FormPage::paintFace(QPainter& painter, FormObject object, const QRect& rect) const
{
    const int i = object.index;
    switch (object.kind) {
    case ObjectKind::Field: {
        const Field& f = design_.fields[i];
        paintFieldFace(painter, f, rect, valueOf(object), hasCalendar(i));
        break;
    }
    case ObjectKind::Notes: paintNotesFace(painter, design_.notes[i], rect, valueOf(object)); break;
    case ObjectKind::Combo:
        paintComboFace(painter, design_.combos[i], rect, valueOf(object), !isLocked(object));
        break;
    case ObjectKind::Checkbox:
        paintCheckboxFace(painter, design_.checkboxes[i], rect, valueOf(object).toInt(),
                          !isLocked(object));
        break;
    case ObjectKind::Button: paintButtonFace(painter, design_.buttons[i], rect); break;
    default: break;
    }
}

void FormPage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, surface_);
    if (!tile_.isNull())
        painter.drawTiledPixmap(rect(), tile_);
    const PageContent& content = pages_[static_cast<size_t>(page_)];
    for (const Drawn& drawn : content.drawn) {
        if (drawn.bounds.intersects(dirty))
            painter_.paint(painter, drawn.kind, drawn.index);
    }
    // The objects the user works with over the rest, in the order their controls stack;
    // a live control draws its own.
    for (size_t i = 0; i < content.objects.size(); ++i) {
        const QRect& rect = content.controlRects[i];
        if (rect.intersects(dirty) && !liveControl(content.objects[i]))
            paintFace(painter, content.objects[i], rect);
    }
}

bool FormPage::focusNextPrevChild(bool next)
{
    const std::vector<FormObject>& order = objectsShown();
    const QWidget* focus = QApplication::focusWidget();
    while (focus && focus->parentWidget() != this)
        focus = focus->parentWidget();
    const std::optional<FormObject> object = focus ? objectOf(focus) : std::nullopt;
    const auto current = object ? std::find(order.begin(), order.end(), *object) : order.end();
    if (order.empty() || current == order.end())
        return QWidget::focusNextPrevChild(next);
    // The design's TAB order, round the page.
    const auto count = static_cast<ptrdiff_t>(order.size());
    const ptrdiff_t to = ((current - order.begin()) + (next ? 1 : -1) + count) % count;
    activate(order[static_cast<size_t>(to)], next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void FormPage::focusInEvent(QFocusEvent* event)
{
    // The page itself takes no typing: the focus goes on to the first object (the last
    // one when coming backwards).
    const std::vector<FormObject>& order = objectsShown();
    if (order.empty()) {
        QWidget::focusInEvent(event);
        return;
    }
    activate(event->reason() == Qt::BacktabFocusReason ? order.back() : order.front(),
             event->reason());
}

void FormPage::forwardMouse(QMouseEvent* event)
{
    QWidget* target = mouseTarget_;
    QMouseEvent copy(event->type(), target->mapFrom(this, event->position()),
                     event->scenePosition(), event->globalPosition(), event->button(),
                     event->buttons(), event->modifiers(), event->pointingDevice());
    QCoreApplication::sendEvent(target, &copy);
    event->setAccepted(copy.isAccepted());
}

void FormPage::mousePressEvent(QMouseEvent* event)
{
    // A press on a drawn object makes its control, which takes the whole click.
    const std::optional<FormObject> object = objectAt(event->position().toPoint());
    mouseTarget_ = object ? activate(*object, Qt::MouseFocusReason) : nullptr;
    if (mouseTarget_)
        forwardMouse(event);
    else
        QWidget::mousePressEvent(event);
}

void FormPage::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void FormPage::mouseMoveEvent(QMouseEvent* event)
{
    if (mouseTarget_ && event->buttons() != Qt::NoButton) {
        forwardMouse(event);
        return;
    }
    const std::optional<FormObject> object = objectAt(event->position().toPoint());
    if (object && object->kind == ObjectKind::Button) {
        // A button lights up under the pointer: its control does that.
        makeControl(*object);
    }
    const bool text =
        object && (object->kind == ObjectKind::Field || object->kind == ObjectKind::Notes ||
                   object->kind == ObjectKind::Combo);
    if (text != textCursor_) {
        textCursor_ = text;
        if (text)
            setCursor(Qt::IBeamCursor);
        else
            unsetCursor();
    }
    QWidget::mouseMoveEvent(event);
}

void FormPage::mouseReleaseEvent(QMouseEvent* event)
{
    if (mouseTarget_) {
        forwardMouse(event);
        mouseTarget_ = nullptr;
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

bool FormPage::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<FormObject> object = objectAt(help->pos());
        const QString tip = object ? toolTipOf(*object) : QString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this, controlRect(*object));
        }
        return true;
    }
    return QWidget::event(event);
}

} // namespace qv::runtime
