#pragma once

#include "designer/objectref.h"

#include <QGraphicsView>

#include <memory>

namespace qv::gui {

class CanvasInteraction;
class CaptionEditor;
class DesignDocument;
class DesignScene;

// The canvas window's drawing surface (Picture1): shows the scene at a zoom of 25 % to
// 400 %, with the page's top-left corner at the view's top-left when scrolled to the
// origin, and hands the pointer and the keys to the canvas interaction. At 100 % one
// document pixel is one screen pixel.
class DesignView : public QGraphicsView {
    Q_OBJECT
public:
    static constexpr int kMinZoom = 25;
    static constexpr int kMaxZoom = 400;

    DesignView(DesignDocument& document, DesignScene& scene, QWidget* parent = nullptr);
    ~DesignView() override;

    int zoom() const { return zoom_; }
    void setZoom(int percent);
    // The next larger or smaller of the usual zoom steps.
    void zoomIn();
    void zoomOut();

    CanvasInteraction& interaction() { return *interaction_; }
    DesignScene& designScene() { return *scene_; }
    // Shows another page's scene.
    void setDesignScene(DesignScene& scene);
    // Opens the in-place editor over a label (MainText).
    void editCaption(int titleIndex);
    // The open in-place editor, nullptr when none.
    CaptionEditor* captionEditor() const;

signals:
    void zoomChanged(int percent);
    void contextMenuRequested(const QPoint& globalPos);
    void propertiesRequested(qv::ObjectRef ref);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void closeCaptionEditor();
    void updateScrollPosition();

    DesignDocument& document_;
    DesignScene* scene_;
    std::unique_ptr<CanvasInteraction> interaction_;
    CaptionEditor* captionEditor_ = nullptr;
    int zoom_ = 100;
};

} // namespace qv::gui
