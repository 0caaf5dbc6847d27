#pragma once

#include "controls/designpainter.h"
#include "document/objecttable.h"

#include <QGraphicsScene>

namespace qv {
struct ProjectDocument;
}

namespace qv::gui {

// One page of the designed window as a scene of drawn items, one item per object shown on
// that page, stacked as the built application stacks them: lines at the back, then shapes,
// pictures and scripts, then labels, then the input controls in front.
class DesignScene : public QGraphicsScene {
    Q_OBJECT
public:
    DesignScene(const ProjectDocument& document, QObject* parent = nullptr);

    int page() const { return page_; }
    // Shows the objects of page 0..4 (and those shown on all pages).
    void showPage(int page);
    // Rebuilds the items from the document, after it was replaced or edited.
    void reload();

    // The designed window's client area in pixels.
    QSizeF surfaceSize() const;

private:
    template <class T> void addItems(const ObjectTable<T>& table, qreal z);

    const ProjectDocument& document_;
    DesignPainter painter_;
    int page_ = 0;
};

} // namespace qv::gui
