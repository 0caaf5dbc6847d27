#pragma once

#include "document/objectkind.h"

#include <cstddef>

namespace qv {

// The controls of the main window's property panel that edit one property each. The
// position boxes are not among them: they show for every selection.
enum class PanelControl : unsigned char {
    FontName,     // text3
    FontSize,     // FontSizing
    Bold,         // Check1
    Italic,       // Check2
    Underline,    // Check3
    Alignment,    // Option1
    PrintFlag,    // Printon
    AllPages,     // Check4
    LockEnabled,  // LockEnabled
    NoSearch,     // NOsearch
    NoChart,      // NoChart
    OrderNumber,  // Text4
    FieldLabel,   // FDLabel
    FieldLength,  // FieldGTH
    FrameStyle,   // BF
    TextColour,   // Color1
    BackColour,   // Color2
    BorderColour, // Color3
};
inline constexpr size_t kPanelControlCount = static_cast<size_t>(PanelControl::BorderColour) + 1;

// Whether a control edits a property that objects of `kind` have: exactly the kinds whose
// records the panel's setters (panelvalues.h, pageoperations.h) write. The panel hides
// the others.
bool controlApplies(PanelControl control, ObjectKind kind);

} // namespace qv
