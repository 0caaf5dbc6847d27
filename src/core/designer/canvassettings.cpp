#include "designer/canvassettings.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace qv {

double pixelsPerUnit(MeasureUnit unit)
{
    switch (unit) {
    case MeasureUnit::Pixels: return 1.0;
    case MeasureUnit::Inches: return kPixelsPerInch;
    case MeasureUnit::Millimetres: return kPixelsPerInch / 25.4;
    case MeasureUnit::Centimetres: return kPixelsPerInch / 2.54;
    }
    return 1.0;
}

double toUnit(double pixels, MeasureUnit unit)
{
    return pixels / pixelsPerUnit(unit);
}
double toPixels(double value, MeasureUnit unit)
{
    return value * pixelsPerUnit(unit);
}

bool chooseUnit(CanvasSettings& canvas, int index)
{
    if (index != 3 && (index < 5 || index > 7))
        return false;
    canvas.unit = static_cast<MeasureUnit>(index);
    return true;
}

std::array<std::string, 4> gridCaptions(MeasureUnit unit)
{
    switch (unit) {
    case MeasureUnit::Inches:
        return {"1/10 x 1/10 Inc", "1/4 x 1/4 Inc", "1/2 x 1/2 Inc", "1 x 1 Inc"};
    case MeasureUnit::Millimetres: return {"1 x 1mm", "2 x 2mm", "3 x 3mm", "4 x 4mm"};
    case MeasureUnit::Centimetres: return {"1/4 x 1/4cm", "1/2 x 1/2cm", "3/4 x 3/4cm", "1 x 1cm"};
    case MeasureUnit::Pixels: break;
    }
    return {"5 x 5px", "10 x 10px", "15 x 15px", "20 x 20px"};
}

bool chooseGrid(CanvasSettings& canvas, int item)
{
    if (item != 5 && item != 10 && item != 15 && item != 20)
        return false;
    const int slot = item / 5 - 1;
    static constexpr double kInches[] = {0.1, 0.25, 0.5, 1};
    static constexpr double kMillimetres[] = {1, 2, 3, 4};
    static constexpr double kCentimetres[] = {0.25, 0.5, 0.75, 1};
    double value = item;
    switch (canvas.unit) {
    case MeasureUnit::Inches: value = kInches[slot]; break;
    case MeasureUnit::Millimetres: value = kMillimetres[slot]; break;
    case MeasureUnit::Centimetres: value = kCentimetres[slot]; break;
    case MeasureUnit::Pixels: break;
    }
    canvas.gridItem = item;
    canvas.gridStep = toPixels(value, canvas.unit);
    return true;
}

std::string singleText(float value)
{
    if (std::isnan(value) || value == 0)
        return "0";
    if (std::isinf(value))
        value = std::copysign(std::numeric_limits<float>::max(), value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    std::string text = buffer;
    const size_t e = text.find('E');
    std::string mantissa = e == std::string::npos ? text : text.substr(0, e);
    std::string exponent = e == std::string::npos ? std::string() : text.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    if (!exponent.empty()) {
        // At least two exponent digits ("E+07"), as the ordinary conversion writes them.
        const char sign = exponent[1];
        std::string digits = exponent.substr(2);
        while (digits.size() > 2 && digits.front() == '0')
            digits.erase(digits.begin());
        exponent = std::string("E") + sign + digits;
    }
    return mantissa + exponent;
}

bool acceptsBoxKey(char key)
{
    return (key >= '0' && key <= '9') || key == '\b';
}

} // namespace qv
