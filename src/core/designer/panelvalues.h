#pragma once

#include "designer/designer.h"

#include <string>

namespace qv {

// The four position boxes of the main window.
enum class PositionBox { Left, Top, Width, Height };

// Applying a typed position box (whole numbers of the unit of measure) to the selected
// object, or for an area selection to its squares and buttons. Returns false when nothing
// was changed.
bool applyPositionBox(Designer& d, PositionBox box, const std::string& text);

// FontSizing: a size above 200 becomes 200, one below 2 is ignored. Returns the text the
// box shows afterwards. Applies to the selected object or every object of an area
// selection that has a font.
std::string applyFontSize(Designer& d, const std::string& text);

// The panel controls that write one value to the selected object(s); each applies only to
// the kinds that have the property.
bool setFontName(Designer& d, const std::string& name);    // text3
bool setFontBold(Designer& d, bool value);                 // Check1
bool setFontItalic(Designer& d, bool value);               // Check2
bool setFontUnderline(Designer& d, bool value);            // Check3
bool setAlignment(Designer& d, int alignment);             // Option1
bool setPrintFlag(Designer& d, bool value);                // Printon
bool setFieldLabel(Designer& d, const std::string& label); // FDLabel, one object only
bool setFieldLength(Designer& d, const std::string& text); // FieldGTH
bool setFrameStyle(Designer& d, int style);                // BF

// Colour targets of the colour table.
inline constexpr int kTextColourTarget = -3;
inline constexpr int kBackColourTarget = -4;
inline constexpr int kBorderColourTarget = -5;
bool applyColour(Designer& d, int target, int32_t colour);

} // namespace qv
