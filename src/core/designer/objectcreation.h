#pragma once

#include "designer/designer.h"

#include <string>

namespace qv {

// The toolbox buttons that create objects.
enum class Tool {
    Label,         // Image1, Title
    TextField,     // Image2, Field
    Memo,          // Image3, Notes
    ComboBox,      // Image4, Combo
    DefaultImage,  // Image5, Picture with the default image
    AddPicture,    // Image12, Picture
    DrawLine,      // Image6, Line
    EmailField,    // Image7, the one e-mail Field
    CheckBox,      // Image8, Checkbox
    DrawShape,     // Image9, Square
    CommandButton, // Image14, Button
    WebScript,     // FrameBt, Script
};

ObjectKind toolKind(Tool tool);
int placementCode(Tool tool);

// Title indexes 1-5 are the special labels; the toolbox starts at 6.
inline constexpr int kDateLabel = 3;      // "Date" (DateVal2)
inline constexpr int kDateStampLabel = 4; // "Date Stamp" (DateVal)
inline constexpr int kRecordIdLabel = 5;  // "Record-ID"
inline constexpr int kReservedTitles = 5;
inline constexpr int kDocumentBoxNotes = 1;
inline constexpr int32_t kNewButtonColour = 0x999999;

// Creates one object of `kind` as the toolbox does, inside an edit (style of the previous
// object, current page, default name); -1 when the kind is full.
int appendStyledObject(DocumentEdit& e, ObjectKind kind, const std::string& defaultCaption);

// Titles 1-5 exist, hidden, before the first label of the toolbox or a paste, so that no
// label takes the place of a special one.
void reserveSpecialTitles(DocumentEdit& e);

// Creates the next object of the tool's kind on the current page with the style of the
// previous object of the kind, selects it and sets the placement code. A full kind gives
// its message and creates nothing (done = false).
Outcome createObject(Designer& d, Tool tool);

// Where a new object follows the pointer: 2 pixels right of and below the (snapped)
// pointer.
void followPointer(Designer& d, float x, float y);
// The click that places the object following the pointer at the (snapped) pointer.
void placeNewObject(Designer& d, float x, float y);

// Mouse-down with the shape or line tool: the new square's corner, or both ends of the new
// line, go to the (snapped) pointer.
void startDrawing(Designer& d, float x, float y);
// Mouse-move while drawing from (startX, startY), where the drawing began: the new square
// spans from there to the pointer in any direction; the new line's second end follows the
// (snapped) pointer. One undo step with the drawing's other moves.
void drawTo(Designer& d, float startX, float startY, float x, float y);
// Drawing a square: mouse-up with the dragged size.
void finishSquare(Designer& d, int index, float width, float height);
// Drawing a line: mouse-up with the dragged second end; the ends are ordered by X.
void finishLine(Designer& d, int index, float x2, float y2);

// The date menus: DateVal (stamp = true, Title 4) or DateVal2 (Title 3) item `item` with its
// caption; the Record-ID command (Title 5) and the Document Box (Notes 1).
Outcome placeDateLabel(Designer& d, bool stamp, int item, const std::string& caption);
Outcome placeRecordId(Designer& d);
Outcome placeDocumentBox(Designer& d);

} // namespace qv
