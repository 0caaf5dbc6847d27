#pragma once

#include <QGraphicsItem>

namespace qv::gui {

// The items the canvas draws over the design: the property arrow, the rubber band of an
// area selection and the end handles of a selected line. Positions are document pixels.

// SelectArrow: sits at the right edge of the selected object, vertically centred. Its size
// does not follow the zoom, so that it can be clicked at any zoom.
class PropertyArrowItem : public QGraphicsItem {
public:
    static constexpr qreal kWidth = 14;
    static constexpr qreal kHeight = 14;

    PropertyArrowItem();
    // Places the arrow for an object covering `objectRect`.
    void placeFor(const QRectF& objectRect);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;
};

// UserSel: the rubber band. Its bottom-right corner resizes it.
class BandItem : public QGraphicsItem {
public:
    BandItem();
    void setBand(const QRectF& band);
    QRectF band() const { return band_; }
    // True when `scenePos` is in the 4-pixel corner that resizes the band.
    bool inCorner(const QPointF& scenePos) const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    QRectF band_;
};

// Linend: handle 0 lies above and left of the first end, handle 1 below and right of the
// second, 7 screen pixels square at any zoom.
class LineHandleItem : public QGraphicsItem {
public:
    static constexpr qreal kSize = 7;

    explicit LineHandleItem(int handle);
    int handle() const { return handle_; }
    // Places the handle for its end point (document pixels).
    void placeAt(const QPointF& endPoint);
    // The handle's top-left corner in document pixels at 100 % zoom, as the line rules
    // measure it: (X1 - 8, Y1 - 8) or (X2 + 1, Y2 + 1).
    QPointF documentTopLeft() const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override;

private:
    int handle_;
};

} // namespace qv::gui
