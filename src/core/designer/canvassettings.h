#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// Units of measure, by the scale-mode number that also indexes the unit menu.
enum class MeasureUnit : int { Pixels = 3, Inches = 5, Millimetres = 6, Centimetres = 7 };

inline constexpr double kPixelsPerInch = 96.0;

double pixelsPerUnit(MeasureUnit unit);
double toUnit(double pixels, MeasureUnit unit);
double toPixels(double value, MeasureUnit unit);

// The page size, unit and grid of the design canvas. Sizes are pixels.
struct CanvasSettings {
    int pageSizeIndex = 0; // the last chosen paper item, re-applied by Portrait
    bool portraitChecked = true;
    bool landscapeChecked = false;
    MeasureUnit unit = MeasureUnit::Pixels;
    bool snap = false;
    int gridItem = 10; // 5, 10, 15 or 20
    double gridStep = 10;
    double width = 816; // Letter portrait
    double height = 1056;
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

// One paper of the page-size menu; index 18, 19, 20, 21 and 22 are not papers.
struct PaperSize {
    std::string_view caption;
    double width;
    double height;
    MeasureUnit unit;
};
std::optional<PaperSize> paperSize(int index);

// PageSize_Click. `custom` gives the two boxes of the custom page dialog (in the current
// unit) for index 22; nullopt leaves the size as it is (dialog cancelled).
void choosePageSize(CanvasSettings& canvas, int index,
                    std::optional<std::pair<double, double>> custom = std::nullopt);

// TheScale_Click; returns false for an index that is not a unit.
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
