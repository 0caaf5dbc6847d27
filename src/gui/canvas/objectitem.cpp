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

} // namespace

ObjectItem::ObjectItem(const DesignPainter& painter, ObjectRef ref)
    : painter_(painter), ref_(ref), bounds_(painter.bounds(ref.kind, ref.index))
{
}

void ObjectItem::refresh()
{
    const QRectF bounds = painter_.bounds(ref_.kind, ref_.index);
    if (bounds != bounds_) {
        prepareGeometryChange();
        bounds_ = bounds;
    }
    update();
}

void ObjectItem::setMarked(bool marked)
{
    if (marked == marked_)
        return;
    prepareGeometryChange();
    marked_ = marked;
    update();
}

QRectF ObjectItem::markRect() const
{
    // A field's frame lies 3 pixels outside its text box; the mark goes round the frame,
    // and clear of a label's letters.
    const qreal inset = framed(ref_.kind) ? kFrameInset : 1;
    return bounds_.adjusted(-inset - 1, -inset - 1, inset, inset);
}

QRectF ObjectItem::boundingRect() const
{
    return marked_ ? bounds_.united(markRect().adjusted(-1, -1, 1, 1)) : bounds_;
}

QPainterPath ObjectItem::shape() const
{
    // Hit tests go by the object itself, not by its mark.
    QPainterPath path;
    path.addRect(bounds_);
    return path;
}

void ObjectItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter_.paint(*painter, ref_.kind, ref_.index);
    if (!marked_)
        return;
    painter->save();
    QPen pen(QColor(0, 90, 200), 0, Qt::DashLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(markRect());
    painter->restore();
}

} // namespace qv::gui
