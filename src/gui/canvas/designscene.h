#pragma once

#include "controls/designpainter.h"
#include "designer/objectref.h"

#include <QGraphicsScene>

#include <array>
#include <optional>
#include <vector>

class QGraphicsRectItem;

namespace qv::gui {

class BandItem;
class DesignDocument;
class LineHandleItem;
class ObjectItem;
class PropertyArrowItem;
struct DocumentChange;

// One page of the designed window as a scene of drawn items, one item per object shown on
// that page, stacked as the built application stacks them: lines at the back, then shapes,
// pictures and scripts, then labels, then the input controls in front. Over them: the
// property arrow, the rubber band and a selected line's end handles. Scene coordinates are
// document pixels; the scene follows the document's change signal and touches only the
// items a change names (a new document rebuilds). Each page has a scene of its own, kept
// while the document stays, so that switching pages shows another scene.
class DesignScene : public QGraphicsScene {
    Q_OBJECT
public:
    // The scene of page 0..4; `page` -1 follows the document's current page (rebuilding on
    // every switch).
    explicit DesignScene(DesignDocument& document, int page = -1, QObject* parent = nullptr);
    ~DesignScene() override;

    int page() const { return page_; }
    // The designed window's page in pixels.
    QSizeF surfaceSize() const;

    // The item of an object shown on this page; nullptr for none.
    ObjectItem* itemFor(ObjectRef ref) const;
    // The topmost object under a point, lines left out (they are found by lineAt).
    std::optional<ObjectRef> objectAt(const QPointF& scenePos) const;
    // Where an object is drawn (a label measured by its font).
    QRectF shownRect(ObjectRef ref) const;
    // The line end handle (0 or 1) under a point, -1 for none.
    int lineHandleAt(const QPointF& scenePos) const;
    const LineHandleItem& lineHandle(int handle) const { return *handles_[handle]; }
    const BandItem& band() const { return *band_; }
    const PropertyArrowItem& arrow() const { return *arrow_; }
    bool arrowAt(const QPointF& scenePos) const;
    int objectCount() const { return objectCount_; }

    // The link label under the pointer, drawn in the hover colour; -1 for none.
    void setHoverTitle(int index);
    int hoverTitle() const { return hoverTitle_; }
    // The clock label's caption (reserved label 2), drawn instead of its stored caption.
    void setClockCaption(const QString& caption);

private:
    void apply(const DocumentChange& change);
    void rebuild();
    void rebuildKind(ObjectKind kind);
    void sync(ObjectRef ref);
    void updateSurface();
    void updateOverlays();
    void refreshTitle(int index);
    template <class T> void addItems(ObjectKind kind);
    ObjectItem*& slot(ObjectRef ref);
    void removeItem(ObjectItem*& item);

    DesignDocument& document_;
    DesignPainter painter_;
    bool followsPage_ = false;
    int page_ = 0;
    int objectCount_ = 0;
    int hoverTitle_ = -1;
    QString clockCaption_;
    QGraphicsRectItem* surface_ = nullptr;
    PropertyArrowItem* arrow_ = nullptr;
    BandItem* band_ = nullptr;
    std::array<LineHandleItem*, 2> handles_{};
    // Items by kind code and index.
    std::array<std::vector<ObjectItem*>, 21> items_;
    std::vector<ObjectRef> marked_;
};

} // namespace qv::gui
