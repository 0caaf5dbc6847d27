#pragma once

#include "designer/designer.h"
#include "designer/objectgeometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Grid snapping: round(v / step) * step, rounded half to even and taken as a 16-bit
// integer (clamped to its range).
int16_t snapCoordinate(double value, double step);

enum class ResizeZone { Move, Right, Bottom, Corner };

// The pointer zone at (x, y), relative to an object of the given size: 4 pixels along the
// right and the bottom edge resize.
ResizeZone resizeZoneAt(float x, float y, float width, float height);
// Kinds that resize with the pointer (Picture, Square, Script, Field, Notes).
bool resizesWithPointer(ObjectKind kind);

// Selecting one object with the pointer (no undo step).
void selectObject(Designer& d, ObjectRef ref);

// Moves one object by a pointer difference (whole pixels); a whole drag is one undo step.
// Does nothing while the canvas is locked.
void moveObject(Designer& d, ObjectRef ref, float dx, float dy);
// Resizes with the pointer at (x, y) relative to the object, in a sizing zone.
void resizeObject(Designer& d, ObjectRef ref, ResizeZone zone, float x, float y);
// Mouse-up: an object dragged entirely off the left or top edge leaves the layout (it is
// deleted as by the Delete command); otherwise it snaps to the grid when snapping is on.
void releaseObject(Designer& d, ObjectRef ref);

// The in-place editor of a label (MainText): the Title's new caption. Returns whether it
// changed.
bool setTitleCaption(Designer& d, int index, const std::string& caption);

enum class NudgeKey { Left, Right, Up, Down };
// Keyboard nudging of the selected object by one pixel, within the canvas.
bool nudgeSelection(Designer& d, NudgeKey key);

// The rubber band: mouse-up collects every object shown on the current page whose
// top-left corner lies inside the band (edges included), kind by kind.
void finishAreaSelection(Designer& d);
// Select All: the band covers the whole canvas.
void selectAll(Designer& d);
// Dragging an existing band moves the band and every object in the list.
void moveAreaSelection(Designer& d, float dx, float dy);
// Leaves the area selection (selection kind 0, band hidden, list emptied).
void releaseAreaSelection(SelectionState& selection);

// The visible line under (x, y), the first in index order within 2 pixels.
std::optional<int> lineAt(const ProjectDocument& d, float x, float y);
bool selectLineAt(Designer& d, float x, float y);

struct LineHandles {
    float left0, top0, left1, top1;
};
LineHandles lineHandles(const Line& line);
// Drags end handle 0 or 1 of a line by a pointer difference; the end follows the handle.
void dragLineEnd(Designer& d, int lineIndex, int handle, float dx, float dy);
// Mouse-up on an end handle: the end snaps when snapping is on.
void releaseLineEnd(Designer& d, int lineIndex, int handle);

// What RightPlace shows: the four position boxes (in the unit of measure) and where the
// property arrow goes.
struct RightPlaceValues {
    std::array<std::string, 4> boxes;
    float arrowLeft = 0;
    float arrowTop = 0;
};
RightPlaceValues rightPlace(const PixelRect& rect, MeasureUnit unit, float arrowHeight);
// For a line the boxes show X1, Y1, X2, Y2.
RightPlaceValues rightPlaceLine(const Line& line, MeasureUnit unit, float arrowHeight);

// The caption of the reserved clock label (Title 2) at a time of day: "h:mmam/pm".
std::string clockCaption(int hour, int minute);

// True for a caption the clock label may show over: empty, or a time as clockCaption
// writes it.
bool isClockCaption(std::string_view caption);

// The lighter colour of a link title under the pointer: each component c -> c / 2 + 125.
int32_t hoverColour(int32_t colour);

} // namespace qv
