#include "canvas/overlayitems.h"

#include <QPainter>
#include <QPainterPath>

namespace qv::gui {

namespace {

constexpr qreal kOverlayZ = 100;
const QColor kSelectionBlue(0, 90, 200);

} // namespace

PropertyArrowItem::PropertyArrowItem()
{
    setFlag(ItemIgnoresTransformations);
    setZValue(kOverlayZ + 2);
    setVisible(false);
    setToolTip(QStringLiteral("Properties"));
}

void PropertyArrowItem::placeFor(const QRectF& r)
{
    // Left = object Left + Width; Top = object Top + (Height - arrow Height) / 2. The item's
    // origin is the arrow's left edge at the object's middle.
    setPos(r.left() + r.width(), r.top() + r.height() / 2);
}

QRectF PropertyArrowItem::boundingRect() const
{
    return {0, -kHeight / 2, kWidth, kHeight};
}

void PropertyArrowItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(Qt::white, 1));
    painter->setBrush(kSelectionBlue);
    QPainterPath arrow;
    arrow.moveTo(1, -kHeight / 2 + 1);
    arrow.lineTo(kWidth - 1, 0);
    arrow.lineTo(1, kHeight / 2 - 1);
    arrow.closeSubpath();
    painter->drawPath(arrow);
}

BandItem::BandItem()
{
    setZValue(kOverlayZ);
    setVisible(false);
}

void BandItem::setBand(const QRectF& band)
{
    if (band == band_)
        return;
    prepareGeometryChange();
    band_ = band;
}

bool BandItem::inCorner(const QPointF& p) const
{
    return isVisible() && p.x() > band_.right() - 4 && p.y() > band_.bottom() - 4 &&
           p.x() <= band_.right() + 1 && p.y() <= band_.bottom() + 1;
}

QRectF BandItem::boundingRect() const
{
    return band_.adjusted(-1, -1, 1, 1);
}

void BandItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->setBrush(QColor(0, 90, 200, 28));
    painter->setPen(QPen(kSelectionBlue, 0, Qt::DashLine));
    painter->drawRect(band_);
    // The corner that resizes the band.
    painter->setPen(Qt::NoPen);
    painter->setBrush(kSelectionBlue);
    painter->drawRect(QRectF(band_.right() - 4, band_.bottom() - 4, 4, 4));
}

LineHandleItem::LineHandleItem(int handle) : handle_(handle)
{
    setFlag(ItemIgnoresTransformations);
    setZValue(kOverlayZ + 1);
    setVisible(false);
}

void LineHandleItem::placeAt(const QPointF& endPoint)
{
    setPos(endPoint);
}

QPointF LineHandleItem::documentTopLeft() const
{
    return handle_ == 0 ? pos() - QPointF(8, 8) : pos() + QPointF(1, 1);
}

QRectF LineHandleItem::boundingRect() const
{
    return handle_ == 0 ? QRectF(-8, -8, kSize + 1, kSize + 1) : QRectF(1, 1, kSize + 1, kSize + 1);
}

void LineHandleItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    const QPointF corner = handle_ == 0 ? QPointF(-8, -8) : QPointF(1, 1);
    painter->setPen(QPen(Qt::black, 0));
    painter->setBrush(handle_ == 0 ? QColor(Qt::white) : kSelectionBlue);
    painter->drawRect(QRectF(corner, QSizeF(kSize, kSize)));
}

} // namespace qv::gui
