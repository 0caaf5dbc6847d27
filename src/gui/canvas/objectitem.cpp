#include "canvas/objectitem.h"

#include "controls/designpainter.h"
#include "designer/objectgeometry.h"

#include <QPainter>

namespace qv::gui {

namespace {

bool framed(ObjectKind kind)
{
    return kind == ObjectKind::Field || kind == ObjectKind::Notes;
}

// Room around an object for its selection mark, so that marking it changes no geometry.
constexpr qreal kMarkRoom = kFrameInset + 2;

} // namespace

ObjectItem::ObjectItem(const DesignPainter& painter, ObjectRef ref) : painter_(painter), ref_(ref)
{
    const QRectF bounds = painter.bounds(ref.kind, ref.index);
    size_ = bounds.size();
    setPos(bounds.topLeft());
}

void ObjectItem::refresh()
{
    const QRectF bounds = painter_.bounds(ref_.kind, ref_.index);
    if (bounds.size() != size_) {
        prepareGeometryChange();
        size_ = bounds.size();
    }
    // A move only moves the item; the painter draws it where its record says.
    if (bounds.topLeft() != pos())
        setPos(bounds.topLeft());
    update();
}

void ObjectItem::setMarked(bool marked)
{
    if (marked == marked_)
        return;
    marked_ = marked;
    update();
}

QRectF ObjectItem::markRect() const
{
    // A field's frame lies 3 pixels outside its text box; the mark goes round the frame,
    // and clear of a label's letters.
    const qreal inset = framed(ref_.kind) ? kFrameInset : 1;
    return QRectF(QPointF(0, 0), size_).adjusted(-inset - 1, -inset - 1, inset, inset);
}

QRectF ObjectItem::boundingRect() const
{
    return QRectF(QPointF(0, 0), size_).adjusted(-kMarkRoom, -kMarkRoom, kMarkRoom, kMarkRoom);
}

QPainterPath ObjectItem::shape() const
{
    // Hit tests go by the object itself, not by its mark.
    QPainterPath path;
    path.addRect(QRectF(QPointF(0, 0), size_));
    return path;
}

void ObjectItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    // The painter draws in document pixels.
    const QPointF origin = pos();
    painter->translate(-origin);
    painter_.paint(*painter, ref_.kind, ref_.index);
    if (marked_) {
        painter->save();
        painter->setPen(QPen(QColor(0, 90, 200), 0, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(markRect().translated(origin));
        painter->restore();
    }
    painter->translate(origin);
}

} // namespace qv::gui
