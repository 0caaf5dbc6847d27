#pragma once

#include "designer/objectref.h"

#include <QGraphicsItem>

namespace qv::gui {

class DesignPainter;

// One object of the design on the canvas, drawn by the design painter from its record.
// The item holds no property of its own: refresh() re-reads the record's bounds after it
// changed. A marked item shows that it is part of the selection.
class ObjectItem : public QGraphicsItem {
public:
    enum { Type = QGraphicsItem::UserType + 1 };

    ObjectItem(const DesignPainter& painter, ObjectRef ref);

    int type() const override { return Type; }
    ObjectRef ref() const { return ref_; }

    // Where the object is on the canvas, in document pixels (a label measured by its
    // font; a field or memo box without its frame).
    QRectF objectRect() const { return QRectF(pos(), size_); }
    // Re-reads the record after it changed.
    void refresh();
    void setMarked(bool marked);
    bool marked() const { return marked_; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QRectF markRect() const;

    const DesignPainter& painter_;
    ObjectRef ref_;
    QSizeF size_; // the item sits at the object's top-left corner
    bool marked_ = false;
};

} // namespace qv::gui
