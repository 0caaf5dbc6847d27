#pragma once

#include "designer/canvasoperations.h"
#include "designer/objectref.h"

#include <QCursor>
#include <QObject>
#include <QPointF>

class QKeyEvent;

namespace qv::gui {

class DesignDocument;
class DesignScene;

// What the pointer and the keys do on the canvas: selecting, moving and resizing objects,
// dragging line ends, the rubber band and group moves, placing and drawing new objects,
// hover colours and nudging. Positions are scene positions (document pixels, fractional
// at zooms other than 100 %); every rule works in whole document pixels, so zoom changes
// nothing but the view. Each gesture is one undo step.
class CanvasInteraction : public QObject {
    Q_OBJECT
public:
    CanvasInteraction(DesignDocument& document, DesignScene& scene, QObject* parent = nullptr);

    void press(const QPointF& scenePos, Qt::MouseButton button);
    void move(const QPointF& scenePos, Qt::MouseButtons buttons);
    void release(const QPointF& scenePos, Qt::MouseButton button);
    void doubleClick(const QPointF& scenePos);
    // The pointer left the canvas.
    void leave();
    // Arrow keys nudge, Escape cancels a placement or clears the selection. Returns
    // whether the key was used.
    bool key(const QKeyEvent& event);

    // The pointer shape for where the pointer is now.
    const QCursor& cursor() const { return cursor_; }
    // Another page's scene is shown; a gesture in progress ends.
    void setScene(DesignScene& scene);
    bool dragging() const { return drag_.mode != Mode::None; }

signals:
    void cursorChanged(const QCursor& cursor);
    void contextMenuRequested(const QPointF& scenePos);
    void captionEditRequested(int titleIndex);
    // The property arrow was clicked for the selected object.
    void propertiesRequested(qv::ObjectRef ref);

private:
    enum class Mode { None, Object, LineEnd, Band, MoveBand, ResizeBand, Draw };
    struct Drag {
        Mode mode = Mode::None;
        ObjectRef ref;
        ResizeZone zone = ResizeZone::Move;
        int handle = 0;
        int anchorX = 0;
        int anchorY = 0;
        QPointF start;
    };

    void pressLeft(const QPointF& p);
    void pressRight(const QPointF& p);
    void startObjectDrag(ObjectRef ref, const QPointF& p);
    void dragObject(const QPointF& p);
    void finishDrag(const QPointF& p);
    void hover(const QPointF& p);
    void setCursorShape(Qt::CursorShape shape);
    ResizeZone zoneAt(ObjectRef ref, const QPointF& p) const;
    bool placing() const;
    bool drawing() const;
    void clearSelection();

    DesignDocument& document_;
    DesignScene* scene_;
    Drag drag_;
    QCursor cursor_;
};

} // namespace qv::gui
