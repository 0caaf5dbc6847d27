#include "canvas/designview.h"

#include "canvas/canvasinteraction.h"
#include "canvas/captioneditor.h"
#include "canvas/designdocument.h"
#include "canvas/designscene.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <array>

namespace qv::gui {

namespace {

constexpr std::array kZoomSteps{25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400};

} // namespace

DesignView::DesignView(DesignDocument& document, DesignScene& scene, QWidget* parent)
    : QGraphicsView(&scene, parent), document_(document), scene_(&scene),
      interaction_(std::make_unique<CanvasInteraction>(document, scene))
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(QColor(96, 96, 96));
    setFocusPolicy(Qt::StrongFocus);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::NoAnchor);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    // The view keeps saving the painter's state around each item: the controls' painting
    // functions draw wrongly (a combo without its content) when state leaks between items.
    setOptimizationFlags(QGraphicsView::DontAdjustForAntialiasing);
    viewport()->setMouseTracking(true);
    setAccessibleName(QStringLiteral("My Application"));
    connect(interaction_.get(), &CanvasInteraction::cursorChanged, this,
            [this](const QCursor& cursor) { viewport()->setCursor(cursor); });
    connect(interaction_.get(), &CanvasInteraction::contextMenuRequested, this,
            [this](const QPointF& scenePos) {
                emit contextMenuRequested(viewport()->mapToGlobal(mapFromScene(scenePos)));
            });
    connect(interaction_.get(), &CanvasInteraction::captionEditRequested, this,
            &DesignView::editCaption);
    connect(interaction_.get(), &CanvasInteraction::propertiesRequested, this,
            &DesignView::propertiesRequested);
    connect(&document_, &DesignDocument::changed, this, [this](const DocumentChange& change) {
        // Leaving the editor for a page tab has committed it already; what is left
        // belongs to a page or a document that is gone.
        if ((change.has(DocumentChange::Reload) || change.has(DocumentChange::Page)) &&
            captionEditor_ != nullptr)
            captionEditor_->cancel();
    });
}

DesignView::~DesignView() = default;

void DesignView::setDesignScene(DesignScene& scene)
{
    if (&scene == scene_)
        return;
    if (captionEditor_ != nullptr)
        captionEditor_->cancel();
    scene_ = &scene;
    interaction_->setScene(scene);
    setScene(&scene);
}

void DesignView::setZoom(int percent)
{
    percent = std::clamp(percent, kMinZoom, kMaxZoom);
    if (percent == zoom_)
        return;
    closeCaptionEditor();
    zoom_ = percent;
    const qreal scale = percent / 100.0;
    setTransform(QTransform::fromScale(scale, scale));
    updateScrollPosition();
    emit zoomChanged(zoom_);
}

void DesignView::zoomIn()
{
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    setZoom(next == kZoomSteps.end() ? kMaxZoom : *next);
}

void DesignView::zoomOut()
{
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    setZoom(next == kZoomSteps.begin() ? kMinZoom : *(next - 1));
}

void DesignView::mousePressEvent(QMouseEvent* event)
{
    closeCaptionEditor();
    setFocus(Qt::MouseFocusReason);
    interaction_->press(mapToScene(event->position().toPoint()), event->button());
    event->accept();
}

void DesignView::mouseMoveEvent(QMouseEvent* event)
{
    interaction_->move(mapToScene(event->position().toPoint()), event->buttons());
    event->accept();
}

void DesignView::mouseReleaseEvent(QMouseEvent* event)
{
    interaction_->release(mapToScene(event->position().toPoint()), event->button());
    event->accept();
}

void DesignView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPointF p = mapToScene(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        interaction_->doubleClick(p);
    event->accept();
}

void DesignView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    // Zoom about the pointer: the document point under it stays under it.
    const QPointF viewPos = event->position();
    const QPointF scenePos = mapToScene(viewPos.toPoint());
    if (event->angleDelta().y() > 0)
        zoomIn();
    else if (event->angleDelta().y() < 0)
        zoomOut();
    const QPointF moved = mapFromScene(scenePos);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() +
                                    static_cast<int>(moved.x() - viewPos.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() +
                                  static_cast<int>(moved.y() - viewPos.y()));
    event->accept();
}

void DesignView::keyPressEvent(QKeyEvent* event)
{
    if (interaction_->key(*event)) {
        event->accept();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

void DesignView::leaveEvent(QEvent* event)
{
    interaction_->leave();
    QGraphicsView::leaveEvent(event);
}

void DesignView::scrollContentsBy(int dx, int dy)
{
    QGraphicsView::scrollContentsBy(dx, dy);
    updateScrollPosition();
    if (captionEditor_ != nullptr)
        captionEditor_->move(captionEditor_->pos() + QPoint(dx, dy));
}

void DesignView::updateScrollPosition()
{
    const QPointF origin = mapToScene(QPoint(0, 0));
    document_.setScrollPosition(std::max(0.0, origin.x()), std::max(0.0, origin.y()));
}

void DesignView::editCaption(int titleIndex)
{
    closeCaptionEditor();
    captionEditor_ = new CaptionEditor(document_, titleIndex, zoom_, viewport());
    const QRectF rect = scene_->shownRect(ObjectRef{ObjectKind::Title, titleIndex});
    captionEditor_->placeOver(mapFromScene(rect).boundingRect());
    connect(captionEditor_, &CaptionEditor::finished, this, [this] {
        if (captionEditor_ != nullptr) {
            captionEditor_->deleteLater();
            captionEditor_ = nullptr;
            setFocus(Qt::OtherFocusReason);
        }
    });
    captionEditor_->show();
    captionEditor_->setFocus(Qt::OtherFocusReason);
    captionEditor_->selectAll();
}

CaptionEditor* DesignView::captionEditor() const
{
    return captionEditor_;
}

void DesignView::closeCaptionEditor()
{
    if (captionEditor_ != nullptr)
        captionEditor_->commit();
}

} // namespace qv::gui
