#include "canvas/designscene.h"

#include "controls/olecolor.h"
#include "document/projectdocument.h"
#include "document/units.h"

#include <QGraphicsItem>
#include <QPainter>

namespace qv::gui {

namespace {

// The default surface of a new design, in pixels, when the project stores none.
constexpr QSizeF kDefaultSurface(640, 480);

class ObjectItem : public QGraphicsItem {
public:
    ObjectItem(const DesignPainter& painter, ObjectKind kind, int index)
        : painter_(painter), kind_(kind), index_(index), bounds_(painter.bounds(kind, index))
    {
    }

    QRectF boundingRect() const override { return bounds_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        painter_.paint(*painter, kind_, index_);
    }

private:
    const DesignPainter& painter_;
    ObjectKind kind_;
    int index_;
    QRectF bounds_;
};

} // namespace

DesignScene::DesignScene(const ProjectDocument& document, QObject* parent)
    : QGraphicsScene(parent), document_(document), painter_(document)
{
    setItemIndexMethod(QGraphicsScene::BspTreeIndex);
    reload();
}

QSizeF DesignScene::surfaceSize() const
{
    const AppSettings& a = document_.settings;
    if (a.pageSizeCode == kPageSizeCustom && a.surfaceWidth > 0 && a.surfaceHeight > 0)
        return {twipsToPixels(a.surfaceWidth), twipsToPixels(a.surfaceHeight)};
    if (a.designWindowWidth > 0 && a.designWindowHeight > 0)
        return {twipsToPixels(a.designWindowWidth), twipsToPixels(a.designWindowHeight)};
    return kDefaultSurface;
}

void DesignScene::showPage(int page)
{
    page_ = std::clamp(page, 0, kPageCount - 1);
    reload();
}

template <class T> void DesignScene::addItems(const ObjectTable<T>& table, qreal z)
{
    for (int i : table.indices()) {
        if (!isOnPage(table[i], page_))
            continue;
        auto* item = new ObjectItem(painter_, table.kind(), i);
        item->setZValue(z + i * 1e-5);
        addItem(item);
    }
}

void DesignScene::reload()
{
    clear();
    const QSizeF size = surfaceSize();
    setSceneRect(QRectF(QPointF(0, 0), size));
    // The designed window's surface, drawn behind every object.
    auto* surface = addRect(sceneRect(), Qt::NoPen, colorFromOle(kOleButtonFace));
    surface->setZValue(-1);
    addItems(document_.lines, 0);
    addItems(document_.squares, 1);
    addItems(document_.pictures, 2);
    addItems(document_.scripts, 2);
    addItems(document_.titles, 3);
    addItems(document_.fields, 4);
    addItems(document_.notes, 4);
    addItems(document_.combos, 4);
    addItems(document_.checkboxes, 5);
    addItems(document_.buttons, 5);
}

} // namespace qv::gui
