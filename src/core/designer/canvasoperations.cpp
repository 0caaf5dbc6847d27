#include "designer/canvasoperations.h"

#include "designer/objectdeletion.h"
#include "designer/pagesize.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

int16_t snapCoordinate(double value, double step)
{
    if (!(step > 0) || !std::isfinite(value))
        return static_cast<int16_t>(std::clamp(std::nearbyint(value), -32768.0, 32767.0));
    // nearbyint rounds half to even in the default rounding mode.
    const double snapped = std::nearbyint(std::nearbyint(value / step) * step);
    return static_cast<int16_t>(std::clamp(snapped, -32768.0, 32767.0));
}

ResizeZone resizeZoneAt(float x, float y, float width, float height)
{
    const bool right = x > width - 4;
    const bool bottom = y > height - 4;
    if (right && bottom)
        return ResizeZone::Corner;
    if (right)
        return ResizeZone::Right;
    if (bottom)
        return ResizeZone::Bottom;
    return ResizeZone::Move;
}

bool resizesWithPointer(ObjectKind kind)
{
    return kind == ObjectKind::Picture || kind == ObjectKind::Square ||
           kind == ObjectKind::Script || kind == ObjectKind::Field || kind == ObjectKind::Notes;
}

void selectObject(Designer& d, ObjectRef ref)
{
    SelectionState& s = d.selection();
    if (s.areaActive())
        releaseAreaSelection(s);
    s.select(ref);
}

namespace {

std::string dragKey(ObjectRef ref)
{
    return "drag:" + std::to_string(static_cast<int>(ref.kind)) + ":" + std::to_string(ref.index);
}

} // namespace

void moveObject(Designer& d, ObjectRef ref, float dx, float dy)
{
    if (d.selection().locked || (dx == 0 && dy == 0))
        return;
    d.change(
        "Move",
        [&](DocumentEdit& e) { e.touchObject(ref, [&](auto& o) { shiftRecord(o, dx, dy); }); },
        dragKey(ref));
}

void resizeObject(Designer& d, ObjectRef ref, ResizeZone zone, float x, float y)
{
    if (d.selection().locked || !resizesWithPointer(ref.kind))
        return;
    if (zone == ResizeZone::Move)
        return;
    x = std::max(x, 20.0f);
    y = std::max(y, 20.0f);
    d.change(
        "Resize",
        [&](DocumentEdit& e) {
            e.touchObject(ref, [&](auto& o) {
                const PixelRect r = recordRect(o);
                if (ref.kind == ObjectKind::Field) {
                    // A field grows in width only; its frame follows (width + 6).
                    if (zone != ResizeZone::Bottom) {
                        setRecordSize(o, x, r.height);
                        if constexpr (requires { o.frameExtraWidth; })
                            o.frameExtraWidth = 2 * kFrameInset;
                    }
                    return;
                }
                if (zone == ResizeZone::Corner)
                    setRecordSize(o, x, y);
                else if (zone == ResizeZone::Right)
                    setRecordSize(o, x, r.height);
                else
                    setRecordSize(o, r.width, y);
            });
        },
        dragKey(ref));
}

void releaseObject(Designer& d, ObjectRef ref)
{
    if (d.selection().locked || !objectExists(d.document(), ref))
        return;
    const PixelRect r = objectRect(d.document(), ref);
    if (r.left + r.width < 1 || r.top + r.height < 1) {
        // Dragged entirely off the left or top edge: the object leaves the layout, as a
        // delete does, so that references to it do not fall on another object.
        d.undoStack().closeMerge();
        deleteObjects(d, {ref});
        return;
    }
    if (d.canvas().snap) {
        d.change(
            "Move",
            [&](DocumentEdit& e) {
                e.touchObject(ref, [&](auto& o) {
                    placeRecord(o, snapCoordinate(r.left, d.canvas().gridStep),
                                snapCoordinate(r.top, d.canvas().gridStep));
                });
            },
            dragKey(ref));
    }
    d.undoStack().closeMerge();
}

bool setTitleCaption(Designer& d, int index, const std::string& caption)
{
    const ProjectDocument& doc = d.document();
    if (!doc.titles.contains(index) || isDeleted(doc.titles[index]) ||
        doc.titles[index].caption == caption)
        return false;
    d.change("Label Text", [&](DocumentEdit& e) { e.touch<Title>(index).caption = caption; });
    return true;
}

bool nudgeSelection(Designer& d, NudgeKey key)
{
    const auto ref = d.selection().single();
    if (!ref)
        return false;
    const SurfacePixels c = pageSurface(d.document().settings);
    bool moved = false;
    d.change(
        "Nudge",
        [&](DocumentEdit& e) {
            e.touchObject(*ref, [&](auto& o) {
                const PixelRect r = recordRect(o);
                float dx = 0;
                float dy = 0;
                switch (key) {
                case NudgeKey::Left: dx = r.left > 0 ? -1 : 0; break;
                case NudgeKey::Right: dx = r.left < c.width ? 1 : 0; break;
                case NudgeKey::Up: dy = r.top > 0 ? -1 : 0; break;
                case NudgeKey::Down: dy = r.top < c.height ? 1 : 0; break;
                }
                if (dx != 0 || dy != 0) {
                    shiftRecord(o, dx, dy);
                    moved = true;
                }
            });
        },
        "nudge:" + dragKey(*ref));
    return moved;
}

void releaseAreaSelection(SelectionState& s)
{
    s.multi.clear();
    s.bandVisible = false;
    if (s.areaActive())
        s.kind = 0;
}

void finishAreaSelection(Designer& d)
{
    SelectionState& s = d.selection();
    s.bandWidth = std::max(s.bandWidth, 10.0f);
    s.bandHeight = std::max(s.bandHeight, 10.0f);
    s.bandVisible = true;
    s.kind = kAreaSelectionCode;
    s.multi.clear();
    const ProjectDocument& doc = d.document();
    const float right = s.bandLeft + s.bandWidth;
    const float bottom = s.bandTop + s.bandHeight;
    for (ObjectKind kind : kAllKinds) {
        visitTable(doc, kind, [&](const auto& table) {
            for (int i : table.indices()) {
                const auto& o = table[i];
                if (!shownOnPage(o, doc.currentPage))
                    continue;
                const PixelRect r = recordRect(o);
                if (r.left >= s.bandLeft && r.left <= right && r.top >= s.bandTop &&
                    r.top <= bottom)
                    s.multi.push_back(ObjectRef{kind, i});
            }
        });
    }
}

void selectAll(Designer& d)
{
    SelectionState& s = d.selection();
    s.bandLeft = 0;
    s.bandTop = 0;
    const SurfacePixels page = pageSurface(d.document().settings);
    s.bandWidth = static_cast<float>(page.width);
    s.bandHeight = static_cast<float>(page.height);
    finishAreaSelection(d);
}

void moveAreaSelection(Designer& d, float dx, float dy)
{
    if (d.selection().locked || (dx == 0 && dy == 0))
        return;
    d.change(
        "Move Selection",
        [&](DocumentEdit& e) {
            SelectionState& s = e.selection();
            s.bandLeft += dx;
            s.bandTop += dy;
            for (const ObjectRef& ref : s.multi)
                e.touchObject(ref, [&](auto& o) { shiftRecord(o, dx, dy); });
        },
        "drag:area");
}

namespace {

float distanceToSegment(float px, float py, float x1, float y1, float x2, float y2)
{
    const float vx = x2 - x1;
    const float vy = y2 - y1;
    const float length2 = vx * vx + vy * vy;
    float t = length2 > 0 ? ((px - x1) * vx + (py - y1) * vy) / length2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    const float cx = x1 + t * vx - px;
    const float cy = y1 + t * vy - py;
    return std::sqrt(cx * cx + cy * cy);
}

} // namespace

std::optional<int> lineAt(const ProjectDocument& d, float x, float y)
{
    for (int i : d.lines.indices()) {
        const Line& l = d.lines[i];
        if (!shownOnPage(l, d.currentPage))
            continue;
        if (distanceToSegment(x, y, twipsToPixels(l.x1), twipsToPixels(l.y1), twipsToPixels(l.x2),
                              twipsToPixels(l.y2)) <= 2.0f)
            return i;
    }
    return std::nullopt;
}

bool selectLineAt(Designer& d, float x, float y)
{
    const auto hit = lineAt(d.document(), x, y);
    if (!hit)
        return false;
    selectObject(d, ObjectRef{ObjectKind::Line, *hit});
    return true;
}

LineHandles lineHandles(const Line& l)
{
    return {twipsToPixels(l.x1) - 8, twipsToPixels(l.y1) - 8, twipsToPixels(l.x2) + 1,
            twipsToPixels(l.y2) + 1};
}

namespace {

// The end point of a line that handle 0 or 1 drags.
std::pair<float&, float&> lineEnd(Line& l, int handle)
{
    if (handle == 0)
        return {l.x1, l.y1};
    return {l.x2, l.y2};
}

std::string lineEndKey(int lineIndex, int handle)
{
    return "lineend:" + std::to_string(lineIndex) + ":" + std::to_string(handle);
}

} // namespace

void dragLineEnd(Designer& d, int lineIndex, int handle, float dx, float dy)
{
    if (d.selection().locked || !d.document().lines.contains(lineIndex))
        return;
    d.change(
        "Move Line End",
        [&](DocumentEdit& e) {
            auto [x, y] = lineEnd(e.touch<Line>(lineIndex), handle);
            x += pixelsToTwips(dx);
            y += pixelsToTwips(dy);
        },
        lineEndKey(lineIndex, handle));
}

void releaseLineEnd(Designer& d, int lineIndex, int handle)
{
    if (d.canvas().snap && d.document().lines.contains(lineIndex)) {
        d.change(
            "Move Line End",
            [&](DocumentEdit& e) {
                auto [x, y] = lineEnd(e.touch<Line>(lineIndex), handle);
                x = pixelsToTwips(snapCoordinate(twipsToPixels(x), d.canvas().gridStep));
                y = pixelsToTwips(snapCoordinate(twipsToPixels(y), d.canvas().gridStep));
            },
            lineEndKey(lineIndex, handle));
    }
    d.undoStack().closeMerge();
}

RightPlaceValues rightPlace(const PixelRect& r, MeasureUnit unit, float arrowHeight)
{
    RightPlaceValues v;
    const float values[] = {r.left, r.top, r.width, r.height};
    for (size_t i = 0; i < 4; ++i)
        v.boxes[i] = singleText(static_cast<float>(toUnit(values[i], unit)));
    v.arrowLeft = r.left + r.width;
    v.arrowTop = r.top + (r.height - arrowHeight) / 2;
    return v;
}

RightPlaceValues rightPlaceLine(const Line& l, MeasureUnit unit, float arrowHeight)
{
    RightPlaceValues v = rightPlace(recordRect(l), unit, arrowHeight);
    const float values[] = {twipsToPixels(l.x1), twipsToPixels(l.y1), twipsToPixels(l.x2),
                            twipsToPixels(l.y2)};
    for (size_t i = 0; i < 4; ++i)
        v.boxes[i] = singleText(static_cast<float>(toUnit(values[i], unit)));
    return v;
}

std::string clockCaption(int hour, int minute)
{
    const int h = hour % 12 == 0 ? 12 : hour % 12;
    std::string text = std::to_string(h) + ":";
    if (minute < 10)
        text += '0';
    return text + std::to_string(minute) + (hour < 12 ? "am" : "pm");
}

bool isClockCaption(std::string_view c)
{
    if (c.empty())
        return true;
    // "h:mmam" or "hh:mmpm".
    const size_t colon = c.find(':');
    if (colon != 1 && colon != 2)
        return false;
    if (c.size() != colon + 5)
        return false;
    const auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    for (size_t i = 0; i < colon; ++i) {
        if (!digit(c[i]))
            return false;
    }
    const std::string_view suffix = c.substr(colon + 3);
    return digit(c[colon + 1]) && digit(c[colon + 2]) && (suffix == "am" || suffix == "pm");
}

int32_t hoverColour(int32_t colour)
{
    int32_t result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int32_t c = (colour >> shift) & 0xFF;
        result |= (c / 2 + 125) << shift;
    }
    return result;
}

} // namespace qv
