#include "canvas/designscene.h"

#include "canvas/designdocument.h"
#include "canvas/objectitem.h"
#include "canvas/overlayitems.h"
#include "controls/olecolor.h"
#include "designer/canvasoperations.h"
#include "designer/objectgeometry.h"

#include <QGraphicsRectItem>

namespace qv::gui {

namespace {

// The stacking of the kinds, back to front; objects of one kind stack by index.
qreal kindZ(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Line: return 0;
    case ObjectKind::Square: return 1;
    case ObjectKind::Picture:
    case ObjectKind::Script: return 2;
    case ObjectKind::Title: return 3;
    case ObjectKind::Field:
    case ObjectKind::Notes:
    case ObjectKind::Combo: return 4;
    case ObjectKind::Checkbox:
    case ObjectKind::Button: return 5;
    }
    return 0;
}

bool shown(const ProjectDocument& doc, ObjectRef ref, int page)
{
    return visitTable(doc, ref.kind, [&](const auto& table) {
        return table.contains(ref.index) && shownOnPage(table[ref.index], page);
    });
}

// The page colour of the configuration; a colour never set (0) shows the window's face.
QColor pageColour(const AppSettings& settings, int page)
{
    const int32_t colour = settings.colourTable[static_cast<size_t>(page)];
    return colorFromOle(static_cast<uint32_t>(colour != 0 ? colour : int32_t(kOleButtonFace)));
}

} // namespace

DesignScene::DesignScene(DesignDocument& document, int page, QObject* parent)
    : QGraphicsScene(parent), document_(document), painter_(document.document()),
      followsPage_(page < 0), page_(std::clamp(page, 0, kPageCount - 1))
{
    // A fixed depth: the automatic one grows with the item count and, with 26,000 items
    // of 100 pixels on a page of 1,000, files each item in hundreds of leaves (80 MB).
    // Leaves of about 30 pixels keep hit tests and repaints of small areas cheap.
    setItemIndexMethod(QGraphicsScene::BspTreeIndex);
    setBspTreeDepth(10);
    surface_ = addRect(QRectF(), Qt::NoPen);
    surface_->setZValue(-1);
    arrow_ = new PropertyArrowItem;
    addItem(arrow_);
    band_ = new BandItem;
    addItem(band_);
    for (int h = 0; h < 2; ++h) {
        handles_[static_cast<size_t>(h)] = new LineHandleItem(h);
        addItem(handles_[static_cast<size_t>(h)]);
    }
    connect(&document_, &DesignDocument::changed, this, &DesignScene::apply);
    updateSurface();
    rebuild();
}

DesignScene::~DesignScene() = default;

QSizeF DesignScene::surfaceSize() const
{
    const SurfacePixels page = document_.surface();
    return {page.width, page.height};
}

ObjectItem*& DesignScene::slot(ObjectRef ref)
{
    auto& items = items_[static_cast<size_t>(ref.kind)];
    if (static_cast<size_t>(ref.index) >= items.size())
        items.resize(static_cast<size_t>(ref.index) + 1, nullptr);
    return items[static_cast<size_t>(ref.index)];
}

ObjectItem* DesignScene::itemFor(ObjectRef ref) const
{
    const auto& items = items_[static_cast<size_t>(ref.kind)];
    return static_cast<size_t>(ref.index) < items.size() ? items[static_cast<size_t>(ref.index)]
                                                         : nullptr;
}

void DesignScene::removeItem(ObjectItem*& item)
{
    if (item == nullptr)
        return;
    delete item; // leaves the scene and its index
    item = nullptr;
    --objectCount_;
}

std::optional<ObjectRef> DesignScene::objectAt(const QPointF& p) const
{
    for (QGraphicsItem* item : items(p, Qt::IntersectsItemShape, Qt::DescendingOrder)) {
        if (item->type() != ObjectItem::Type)
            continue;
        const ObjectRef ref = static_cast<ObjectItem*>(item)->ref();
        if (ref.kind != ObjectKind::Line)
            return ref;
    }
    return std::nullopt;
}

QRectF DesignScene::shownRect(ObjectRef ref) const
{
    if (const ObjectItem* item = itemFor(ref))
        return item->objectRect();
    return painter_.bounds(ref.kind, ref.index);
}

int DesignScene::lineHandleAt(const QPointF& p) const
{
    for (const LineHandleItem* handle : handles_) {
        if (handle->isVisible() && handle->sceneBoundingRect().contains(p))
            return handle->handle();
    }
    return -1;
}

bool DesignScene::arrowAt(const QPointF& p) const
{
    return arrow_->isVisible() && arrow_->sceneBoundingRect().contains(p);
}

void DesignScene::sync(ObjectRef ref)
{
    ObjectItem*& item = slot(ref);
    if (!shown(document_.document(), ref, page_)) {
        removeItem(item);
        return;
    }
    if (item != nullptr) {
        item->refresh();
        return;
    }
    item = new ObjectItem(painter_, ref);
    item->setZValue(kindZ(ref.kind) + ref.index * 1e-5);
    addItem(item);
    ++objectCount_;
}

template <class T> void DesignScene::addItems(ObjectKind kind)
{
    const ProjectDocument& doc = document_.document();
    const ObjectTable<T>& table = tableOf<T>(doc);
    auto& items = items_[static_cast<size_t>(kind)];
    items.assign(static_cast<size_t>(std::max(table.highWater(), 0)) + 1, nullptr);
    for (int i : table.indices()) {
        if (!shownOnPage(table[i], page_))
            continue;
        auto* item = new ObjectItem(painter_, ObjectRef{kind, i});
        item->setZValue(kindZ(kind) + i * 1e-5);
        addItem(item);
        items[static_cast<size_t>(i)] = item;
        ++objectCount_;
    }
}

void DesignScene::rebuildKind(ObjectKind kind)
{
    for (ObjectItem*& item : items_[static_cast<size_t>(kind)])
        removeItem(item);
    visitTable(document_.document(), kind,
               [&](const auto& table) { addItems<RecordType<decltype(table)>>(kind); });
}

void DesignScene::rebuild()
{
    if (followsPage_)
        page_ = std::clamp(document_.currentPage(), 0, kPageCount - 1);
    marked_.clear();
    hoverTitle_ = -1;
    painter_.setHighlightedTitle(-1);
    for (ObjectKind kind : kAllKinds)
        rebuildKind(kind);
    updateOverlays();
}

void DesignScene::updateSurface()
{
    const QRectF rect(QPointF(0, 0), surfaceSize());
    setSceneRect(rect);
    surface_->setRect(rect);
    surface_->setBrush(pageColour(document_.document().settings, page_));
}

void DesignScene::apply(const DocumentChange& change)
{
    if (change.has(DocumentChange::Reload) || (followsPage_ && change.has(DocumentChange::Page))) {
        rebuild();
        updateSurface();
        return;
    }
    if (change.has(DocumentChange::Settings))
        updateSurface();
    if (change.has(DocumentChange::Objects)) {
        if (!change.tables.empty()) {
            // Renumbered kinds get new items: the marks start afresh.
            for (const ObjectRef& ref : marked_) {
                if (ObjectItem* item = itemFor(ref))
                    item->setMarked(false);
            }
            marked_.clear();
        }
        for (ObjectKind kind : change.tables)
            rebuildKind(kind);
        for (const ObjectRef& ref : change.objects)
            sync(ref);
    }
    if (change.has(DocumentChange::Objects) || change.has(DocumentChange::Selection))
        updateOverlays();
}

void DesignScene::updateOverlays()
{
    const SelectionState& s = document_.selection();
    const ProjectDocument& doc = document_.document();
    std::vector<ObjectRef> marked;
    const auto single = s.single();
    if (s.areaActive())
        marked = s.multi;
    else if (single && single->kind != ObjectKind::Line)
        marked.push_back(*single);
    if (marked != marked_) {
        for (const ObjectRef& ref : marked_) {
            if (ObjectItem* item = itemFor(ref))
                item->setMarked(false);
        }
    }
    // Items made since (an undone delete) are marked too; the others already are.
    for (const ObjectRef& ref : marked) {
        if (ObjectItem* item = itemFor(ref))
            item->setMarked(true);
    }
    marked_ = std::move(marked);

    const bool objectShown = single && itemFor(*single) != nullptr;
    arrow_->setVisible(objectShown && single->kind != ObjectKind::Line &&
                       s.placementTool == kNoPlacement);
    if (arrow_->isVisible())
        arrow_->placeFor(shownRect(*single));

    band_->setVisible(s.bandVisible);
    band_->setBand(QRectF(s.bandLeft, s.bandTop, s.bandWidth, s.bandHeight));

    const bool lineShown =
        objectShown && single->kind == ObjectKind::Line && s.placementTool == kNoPlacement;
    for (LineHandleItem* handle : handles_)
        handle->setVisible(lineShown);
    if (lineShown) {
        const Line& l = doc.lines[single->index];
        handles_[0]->placeAt(QPointF(twipsToPixels(l.x1), twipsToPixels(l.y1)));
        handles_[1]->placeAt(QPointF(twipsToPixels(l.x2), twipsToPixels(l.y2)));
    }
}

void DesignScene::refreshTitle(int index)
{
    if (ObjectItem* item = itemFor(ObjectRef{ObjectKind::Title, index}))
        item->refresh();
}

void DesignScene::setHoverTitle(int index)
{
    if (index == hoverTitle_)
        return;
    const int old = hoverTitle_;
    hoverTitle_ = index;
    const ProjectDocument& doc = document_.document();
    if (index >= 0 && doc.titles.contains(index))
        painter_.setHighlightedTitle(index, hoverColour(doc.titles[index].foreColor));
    else
        painter_.setHighlightedTitle(-1);
    refreshTitle(old);
    refreshTitle(index);
}

void DesignScene::setClockCaption(const QString& caption)
{
    constexpr int kClockLabel = 2;
    if (caption == clockCaption_)
        return;
    clockCaption_ = caption;
    painter_.setLiveCaption(kClockLabel, caption);
    refreshTitle(kClockLabel);
}

} // namespace qv::gui
