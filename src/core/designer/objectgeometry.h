#pragma once

#include "designer/kindtables.h"
#include "designer/objectref.h"
#include "document/units.h"

#include <algorithm>

namespace qv {

// A rectangle on the canvas, in pixels.
struct PixelRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// A combo's control height, which the document does not store (the control takes it from
// its font).
inline constexpr float kComboHeightPixels = 21;
// The frame of a Field or Notes lies this far outside its text box on every side.
inline constexpr float kFrameInset = 3;

// Position and size of a record in pixels. For a Line, left/top are X1/Y1 and the size
// reaches to X2/Y2; kinds without a stored size (Title, Checkbox) have width and height 0
// (the window measures them).
template <class T> PixelRect recordRect(const T& o)
{
    if constexpr (std::is_same_v<T, Line>) {
        return {twipsToPixels(o.x1), twipsToPixels(o.y1), twipsToPixels(o.x2 - o.x1),
                twipsToPixels(o.y2 - o.y1)};
    } else {
        PixelRect r{twipsToPixels(o.left), twipsToPixels(o.top), 0, 0};
        if constexpr (requires { o.width; })
            r.width = twipsToPixels(o.width);
        if constexpr (requires { o.height; })
            r.height = twipsToPixels(o.height);
        else if constexpr (std::is_same_v<T, Combo>)
            r.height = kComboHeightPixels;
        return r;
    }
}

// Moves a record by whole pixels; a Line moves both ends.
template <class T> void shiftRecord(T& o, float dx, float dy)
{
    if constexpr (std::is_same_v<T, Line>) {
        o.x1 += pixelsToTwips(dx);
        o.x2 += pixelsToTwips(dx);
        o.y1 += pixelsToTwips(dy);
        o.y2 += pixelsToTwips(dy);
    } else {
        o.left += pixelsToTwips(dx);
        o.top += pixelsToTwips(dy);
    }
}

// Places a record's top-left corner (a Line's first end, the second following).
template <class T> void placeRecord(T& o, float left, float top)
{
    const PixelRect r = recordRect(o);
    shiftRecord(o, left - r.left, top - r.top);
}

template <class T> void setRecordSize(T& o, float width, float height)
{
    if constexpr (std::is_same_v<T, Line>) {
        o.x2 = o.x1 + pixelsToTwips(width);
        o.y2 = o.y1 + pixelsToTwips(height);
    } else {
        if constexpr (requires { o.width; })
            o.width = pixelsToTwips(width);
        if constexpr (requires { o.height; })
            o.height = pixelsToTwips(height);
    }
}

// True when the object is drawn on the canvas while `page` is shown.
template <class T> bool shownOnPage(const T& o, int page)
{
    return !isDeleted(o) && isOnPage(o, page) && visibleFlag(o);
}

inline PixelRect objectRect(const ProjectDocument& d, ObjectRef ref)
{
    return visitTable(d, ref.kind, [&](const auto& table) {
        return table.contains(ref.index) ? recordRect(table[ref.index]) : PixelRect{};
    });
}

inline bool objectExists(const ProjectDocument& d, ObjectRef ref)
{
    return visitTable(d, ref.kind, [&](const auto& table) {
        return table.contains(ref.index) && !isDeleted(table[ref.index]);
    });
}

// The frame around a Field's or Notes' text box: its corner 3 pixels up and left of the
// box's, its size the box's plus what the object keeps (6 and 6 unless a position box set
// the frame apart).
template <class T> PixelRect frameRect(const T& o)
{
    const PixelRect box = recordRect(o);
    return {box.left - kFrameInset, box.top - kFrameInset, box.width + o.frameExtraWidth,
            box.height + o.frameExtraHeight};
}

// Fits a Field's or Notes' frame to its text box again: 3 pixels out on every side.
template <class T> void refitFrame(T& o)
{
    o.frameExtraWidth = 2 * kFrameInset;
    o.frameExtraHeight = 2 * kFrameInset;
}

// How a combo sits inside its frame: its corner `inset` pixels in from the frame's and its
// width `shrink` pixels less. A frame style above 5 draws a wider border.
struct ComboFit {
    float inset;
    float shrink;
};
inline ComboFit comboFit(int32_t frameStyle)
{
    return frameStyle > 5 ? ComboFit{3, 6} : ComboFit{1, 2};
}

// BF on a combo: the frame stays where it is and the combo is fitted into it again by the
// new style.
inline void setComboFrameStyle(Combo& c, int32_t style)
{
    const ComboFit from = comboFit(c.border);
    const ComboFit to = comboFit(style);
    c.left += pixelsToTwips(to.inset - from.inset);
    c.top += pixelsToTwips(to.inset - from.inset);
    c.width = std::max(0.0f, c.width + pixelsToTwips(from.shrink - to.shrink));
    c.border = style;
}

} // namespace qv
