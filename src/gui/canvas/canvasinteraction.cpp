#include "canvas/canvasinteraction.h"

#include "canvas/designdocument.h"
#include "canvas/designscene.h"
#include "canvas/objectitem.h"
#include "canvas/overlayitems.h"
#include "designer/objectcreation.h"
#include "designer/objectgeometry.h"

#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace qv::gui {

namespace {

// A pointer position taken as whole pixels, as the canvas rules measure it.
int whole(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

// Placement codes of the objects that follow the pointer until a click puts them down.
bool followsPointer(int code)
{
    return code == 6 || code == 7 || code == 8 || code == 9 || code == 10 || code == 13 ||
           code == 20 || code == 27;
}

bool isDrawCode(int code)
{
    return code == 14 || code == 15;
}

Qt::CursorShape zoneCursor(ResizeZone zone)
{
    switch (zone) {
    case ResizeZone::Corner: return Qt::SizeFDiagCursor;
    case ResizeZone::Right: return Qt::SizeHorCursor;
    case ResizeZone::Bottom: return Qt::SizeVerCursor;
    case ResizeZone::Move: break;
    }
    return Qt::SizeAllCursor;
}

} // namespace

CanvasInteraction::CanvasInteraction(DesignDocument& document, DesignScene& scene, QObject* parent)
    : QObject(parent), document_(document), scene_(&scene), cursor_(Qt::ArrowCursor)
{
}

void CanvasInteraction::setScene(DesignScene& scene)
{
    if (drag_.mode != Mode::None)
        document_.endGesture();
    drag_ = Drag{};
    scene_ = &scene;
}

bool CanvasInteraction::placing() const
{
    return followsPointer(document_.selection().placementTool);
}

bool CanvasInteraction::drawing() const
{
    return isDrawCode(document_.selection().placementTool);
}

ResizeZone CanvasInteraction::zoneAt(ObjectRef ref, const QPointF& p) const
{
    if (!resizesWithPointer(ref.kind))
        return ResizeZone::Move;
    const PixelRect r = objectRect(document_.document(), ref);
    const ResizeZone zone =
        resizeZoneAt(static_cast<float>(whole(p.x() - r.left)),
                     static_cast<float>(whole(p.y() - r.top)), r.width, r.height);
    if (ref.kind != ObjectKind::Field)
        return zone;
    // A field resizes in width only: its right edge and corner size it, its bottom moves it.
    return zone == ResizeZone::Bottom   ? ResizeZone::Move
           : zone == ResizeZone::Corner ? ResizeZone::Right
                                        : zone;
}

void CanvasInteraction::setCursorShape(Qt::CursorShape shape)
{
    if (cursor_.shape() == shape)
        return;
    cursor_ = QCursor(shape);
    emit cursorChanged(cursor_);
}

void CanvasInteraction::clearSelection()
{
    document_.run([](Designer& d) {
        releaseAreaSelection(d.selection());
        d.selection().kind = 0;
    });
}

void CanvasInteraction::press(const QPointF& p, Qt::MouseButton button)
{
    if (drag_.mode != Mode::None)
        return;
    if (button == Qt::LeftButton)
        pressLeft(p);
    else if (button == Qt::RightButton)
        pressRight(p);
}

void CanvasInteraction::pressLeft(const QPointF& p)
{
    const SelectionState& s = document_.selection();
    if (placing()) {
        document_.run([&](Designer& d) {
            placeNewObject(d, static_cast<float>(whole(p.x())), static_cast<float>(whole(p.y())));
        });
        document_.endGesture();
        return;
    }
    if (drawing()) {
        drag_ =
            Drag{Mode::Draw, {}, ResizeZone::Move, 0, 0, 0, QPointF(whole(p.x()), whole(p.y()))};
        document_.run([&](Designer& d) {
            startDrawing(d, static_cast<float>(drag_.start.x()),
                         static_cast<float>(drag_.start.y()));
        });
        return;
    }
    if (scene_->arrowAt(p)) {
        if (auto one = s.single())
            emit propertiesRequested(*one);
        return;
    }
    const int handle = scene_->lineHandleAt(p);
    if (handle >= 0) {
        const QPointF corner = scene_->lineHandle(handle).documentTopLeft();
        drag_ = Drag{Mode::LineEnd,
                     *s.single(),
                     ResizeZone::Move,
                     handle,
                     whole(p.x() - corner.x()),
                     whole(p.y() - corner.y()),
                     p};
        document_.beginGesture(QStringLiteral("Move Line End"));
        return;
    }
    const std::optional<ObjectRef> hit = scene_->objectAt(p);
    if (s.bandVisible) {
        const BandItem& band = scene_->band();
        const bool inList = hit && std::find(s.multi.begin(), s.multi.end(), *hit) != s.multi.end();
        if (band.inCorner(p)) {
            drag_ = Drag{Mode::ResizeBand, {}, ResizeZone::Corner, 0, 0, 0, p};
            return;
        }
        if (band.band().contains(p) && (!hit || inList)) {
            drag_ =
                Drag{Mode::MoveBand,           {}, ResizeZone::Move, 0, whole(p.x() - s.bandLeft),
                     whole(p.y() - s.bandTop), p};
            document_.beginGesture(QStringLiteral("Move"));
            return;
        }
    }
    if (hit) {
        startObjectDrag(*hit, p);
        return;
    }
    if (s.areaActive()) {
        // A new band starts at the pointer.
        drag_ =
            Drag{Mode::Band, {}, ResizeZone::Move, 0, 0, 0, QPointF(whole(p.x()), whole(p.y()))};
        document_.run([&](Designer& d) {
            SelectionState& sel = d.selection();
            sel.multi.clear();
            sel.bandVisible = true;
            sel.bandLeft = static_cast<float>(drag_.start.x());
            sel.bandTop = static_cast<float>(drag_.start.y());
            sel.bandWidth = 0;
            sel.bandHeight = 0;
        });
        return;
    }
    const bool line = document_.run([&](Designer& d) {
        return selectLineAt(d, static_cast<float>(p.x()), static_cast<float>(p.y()));
    });
    if (!line)
        clearSelection();
}

void CanvasInteraction::pressRight(const QPointF& p)
{
    if (placing() || drawing())
        return;
    const SelectionState& s = document_.selection();
    const std::vector<ObjectRef> targets = s.targets();
    if (const auto hit = scene_->objectAt(p)) {
        if (std::find(targets.begin(), targets.end(), *hit) == targets.end())
            document_.run([&](Designer& d) { selectObject(d, *hit); });
    } else if (!(s.bandVisible && scene_->band().band().contains(p))) {
        document_.run([&](Designer& d) {
            selectLineAt(d, static_cast<float>(p.x()), static_cast<float>(p.y()));
        });
    }
    emit contextMenuRequested(p);
}

void CanvasInteraction::startObjectDrag(ObjectRef ref, const QPointF& p)
{
    document_.run([&](Designer& d) { selectObject(d, ref); });
    const PixelRect r = objectRect(document_.document(), ref);
    const ResizeZone zone = zoneAt(ref, p);
    drag_ = Drag{Mode::Object, ref, zone, 0, whole(p.x() - r.left), whole(p.y() - r.top), p};
    document_.beginGesture(zone == ResizeZone::Move ? QStringLiteral("Move")
                                                    : QStringLiteral("Resize"));
}

void CanvasInteraction::dragObject(const QPointF& p)
{
    const PixelRect r = objectRect(document_.document(), drag_.ref);
    // The pointer is measured from the object as it is now: the anchor is not updated, so
    // the object keeps its offset from the pointer.
    const int x = whole(p.x() - r.left);
    const int y = whole(p.y() - r.top);
    document_.run([&](Designer& d) {
        if (drag_.zone == ResizeZone::Move)
            moveObject(d, drag_.ref, static_cast<float>(x - drag_.anchorX),
                       static_cast<float>(y - drag_.anchorY));
        else
            resizeObject(d, drag_.ref, drag_.zone, static_cast<float>(x), static_cast<float>(y));
    });
}

void CanvasInteraction::move(const QPointF& p, Qt::MouseButtons buttons)
{
    if (!(buttons & Qt::LeftButton) || drag_.mode == Mode::None) {
        hover(p);
        return;
    }
    const SelectionState& s = document_.selection();
    switch (drag_.mode) {
    case Mode::Object: dragObject(p); break;
    case Mode::LineEnd: {
        const QPointF corner = scene_->lineHandle(drag_.handle).documentTopLeft();
        const int x = whole(p.x() - corner.x());
        const int y = whole(p.y() - corner.y());
        document_.run([&](Designer& d) {
            dragLineEnd(d, drag_.ref.index, drag_.handle, static_cast<float>(x - drag_.anchorX),
                        static_cast<float>(y - drag_.anchorY));
        });
        break;
    }
    case Mode::Band: {
        const QRectF band = QRectF(drag_.start, QPointF(whole(p.x()), whole(p.y()))).normalized();
        document_.run([&](Designer& d) {
            SelectionState& sel = d.selection();
            sel.bandLeft = static_cast<float>(band.left());
            sel.bandTop = static_cast<float>(band.top());
            sel.bandWidth = static_cast<float>(band.width());
            sel.bandHeight = static_cast<float>(band.height());
        });
        break;
    }
    case Mode::MoveBand: {
        const int x = whole(p.x() - s.bandLeft);
        const int y = whole(p.y() - s.bandTop);
        document_.run([&](Designer& d) {
            moveAreaSelection(d, static_cast<float>(x - drag_.anchorX),
                              static_cast<float>(y - drag_.anchorY));
        });
        break;
    }
    case Mode::ResizeBand:
        document_.run([&](Designer& d) {
            SelectionState& sel = d.selection();
            sel.bandWidth = std::max(1.0f, static_cast<float>(whole(p.x() - sel.bandLeft)));
            sel.bandHeight = std::max(1.0f, static_cast<float>(whole(p.y() - sel.bandTop)));
        });
        break;
    case Mode::Draw:
        document_.run([&](Designer& d) {
            drawTo(d, static_cast<float>(drag_.start.x()), static_cast<float>(drag_.start.y()),
                   static_cast<float>(whole(p.x())), static_cast<float>(whole(p.y())));
        });
        break;
    case Mode::None: break;
    }
}

void CanvasInteraction::release(const QPointF& p, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || drag_.mode == Mode::None)
        return;
    finishDrag(p);
    drag_ = Drag{};
    hover(p);
}

void CanvasInteraction::finishDrag(const QPointF& p)
{
    switch (drag_.mode) {
    case Mode::Object:
        document_.run([&](Designer& d) { releaseObject(d, drag_.ref); });
        document_.endGesture();
        break;
    case Mode::LineEnd:
        document_.run([&](Designer& d) { releaseLineEnd(d, drag_.ref.index, drag_.handle); });
        document_.endGesture();
        break;
    case Mode::Band:
    case Mode::ResizeBand: document_.run([](Designer& d) { finishAreaSelection(d); }); break;
    case Mode::MoveBand:
        // The group keeps the objects it had; the band moved with them.
        document_.endGesture();
        break;
    case Mode::Draw: {
        const SelectionState& s = document_.selection();
        if (s.placementTool == 14) {
            // The size the drag gave: a click without a drag gives none (and then 10 x 10).
            const int index = s.current(ObjectKind::Square);
            const auto width = static_cast<float>(std::abs(whole(p.x()) - drag_.start.x()));
            const auto height = static_cast<float>(std::abs(whole(p.y()) - drag_.start.y()));
            document_.run([&](Designer& d) { finishSquare(d, index, width, height); });
        } else {
            const int index = s.current(ObjectKind::Line);
            document_.run([&](Designer& d) {
                finishLine(d, index, static_cast<float>(whole(p.x())),
                           static_cast<float>(whole(p.y())));
            });
        }
        document_.endGesture();
        break;
    }
    case Mode::None: break;
    }
}

void CanvasInteraction::hover(const QPointF& p)
{
    const SelectionState& s = document_.selection();
    if (placing()) {
        document_.run([&](Designer& d) {
            followPointer(d, static_cast<float>(whole(p.x())), static_cast<float>(whole(p.y())));
        });
        setCursorShape(Qt::ArrowCursor);
        return;
    }
    if (drawing()) {
        setCursorShape(Qt::CrossCursor);
        return;
    }
    const std::optional<ObjectRef> hit = scene_->objectAt(p);
    // A label that acts as a link lights up under the pointer while the canvas is unlocked.
    int title = -1;
    if (!s.locked && hit && hit->kind == ObjectKind::Title &&
        !document_.document().titles[hit->index].tag.empty())
        title = hit->index;
    scene_->setHoverTitle(title);

    if (s.locked) {
        setCursorShape(Qt::ArrowCursor);
        return;
    }
    if (scene_->arrowAt(p)) {
        setCursorShape(Qt::PointingHandCursor);
        return;
    }
    if (scene_->lineHandleAt(p) >= 0) {
        setCursorShape(Qt::CrossCursor);
        return;
    }
    if (s.bandVisible && scene_->band().inCorner(p)) {
        setCursorShape(Qt::SizeFDiagCursor);
        return;
    }
    if (s.bandVisible && scene_->band().band().contains(p)) {
        setCursorShape(Qt::SizeAllCursor);
        return;
    }
    if (hit) {
        setCursorShape(zoneCursor(zoneAt(*hit, p)));
        return;
    }
    setCursorShape(s.areaActive() ? Qt::CrossCursor : Qt::ArrowCursor);
}

void CanvasInteraction::doubleClick(const QPointF& p)
{
    if (document_.selection().locked || placing() || drawing())
        return;
    const auto hit = scene_->objectAt(p);
    if (hit && hit->kind == ObjectKind::Title)
        emit captionEditRequested(hit->index);
}

void CanvasInteraction::leave()
{
    scene_->setHoverTitle(-1);
}

bool CanvasInteraction::key(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    std::optional<NudgeKey> nudge;
    switch (event.key()) {
    case Qt::Key_Left: nudge = NudgeKey::Left; break;
    case Qt::Key_Right: nudge = NudgeKey::Right; break;
    case Qt::Key_Up: nudge = NudgeKey::Up; break;
    case Qt::Key_Down: nudge = NudgeKey::Down; break;
    case Qt::Key_Escape:
        if (drag_.mode != Mode::None)
            return true;
        if (placing() || drawing()) {
            // Escape takes back the object that was following the pointer.
            document_.endGesture();
            document_.undo();
        } else {
            clearSelection();
        }
        return true;
    default: return false;
    }
    if (drag_.mode != Mode::None || document_.selection().locked)
        return true;
    document_.run([&](Designer& d) { nudgeSelection(d, *nudge); });
    return true;
}

} // namespace qv::gui
