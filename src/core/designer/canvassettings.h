#pragma once

#include <array>
#include <string>
#include <vector>

namespace qv {

// Units of measure, by the scale-mode number that also indexes the unit menu.
enum class MeasureUnit : int { Pixels = 3, Inches = 5, Millimetres = 6, Centimetres = 7 };

inline constexpr double kPixelsPerInch = 96.0;

double pixelsPerUnit(MeasureUnit unit);
double toUnit(double pixels, MeasureUnit unit);
double toPixels(double value, MeasureUnit unit);

// The unit and grid of the design canvas and its scroll state. The page size is the
// document's (pagesize.h). Sizes are pixels.
struct CanvasSettings {
    MeasureUnit unit = MeasureUnit::Pixels;
    bool snap = false;
    int gridItem = 10; // 5, 10, 15 or 20
    double gridStep = 10;
    // Current scroll positions of the canvas, pixels.
    double scrollX = 0;
    double scrollY = 0;
    // The scroll positions when the object clipboard text was made.
    double copyScrollX = 0;
    double copyScrollY = 0;
    // The last text this designer copied and the numbers of the fields in it, in record
    // order, so that pasting that text can point references among the copied fields at
    // their copies exactly.
    std::string copiedText;
    std::vector<int> copiedFields;
};

// TheScale_Click; returns false for an index that is not a unit. The grid items are only
// relabelled (gridCaptions): the grid step stays until a grid item is chosen.
bool chooseUnit(CanvasSettings& canvas, int index);
// Captions of the grid items 5, 10, 15, 20 in a unit.
std::array<std::string, 4> gridCaptions(MeasureUnit unit);
// Snap5_Click; returns false for an item that is not 5, 10, 15 or 20.
bool chooseGrid(CanvasSettings& canvas, int item);

// The decimal text of a single-precision value, as the position boxes and the clipboard
// show numbers: up to seven significant digits, a fraction only when there is one.
std::string singleText(float value);

// The KeyPress filter of the numeric boxes: digits and Backspace only.
bool acceptsBoxKey(char key);

} // namespace qv
