#pragma once

#include "designer/objectref.h"
#include "document/projectdocument.h"

#include <optional>
#include <string>

namespace qv {

// What the main window's panel shows for one selected object. Values that the kind does
// not have are empty (their controls are hidden).
struct PanelState {
    std::string numberLabel; // "L6" for a Title, "K2" for a Checkbox, else empty
    std::string toolTipText;
    std::string tag;
    std::optional<std::string> fontName;
    std::optional<float> fontSize;
    std::optional<bool> bold, italic, underline;
    std::optional<int32_t> foreColor, backColor, borderColor;
    std::optional<int> alignment;
    std::optional<bool> printOn;
    bool allPages = false; // Check4
    std::optional<bool> lockEnabled, noSearch, noChart;
    std::optional<int> orderNumber;
    std::optional<std::string> fieldLabel; // FDLabel
    std::optional<long> fieldLength;       // FieldGTH
    std::optional<int> frameStyle;         // BF
};

// Selecting one object loads the panel with these values; nullopt for no such object.
std::optional<PanelState> panelState(const ProjectDocument& document, ObjectRef ref);

} // namespace qv
