#pragma once

#include "designer/objectgeometry.h"
#include "designer/panelcontrols.h"
#include "designer/panelstate.h"
#include "designer/selectionstate.h"

#include <array>
#include <bitset>
#include <optional>

namespace qv {

// Everything the property panel shows for the selection at hand: which controls, with
// which values, and what the four position boxes hold.
struct PanelView {
    using Controls = std::bitset<kPanelControlCount>;

    std::optional<ObjectRef> single; // one selected object
    bool area = false;               // an area selection (kind 99)
    // Controls that apply to the selected object, or to at least one object of an area
    // selection; the panel hides the others.
    Controls shown;
    // For an area selection: the values its objects do not agree on.
    Controls mixed;
    // One object's values; for an area selection each value from the first object that has
    // it.
    PanelState values;

    bool positionShown = false;
    // LeftP, TopP, WidthP, HeightP in pixels: the frame of a Field, Notes or Combo (the
    // boxes place the frame), a Line's X1, Y1, X2, Y2, an area selection's band, else the
    // object.
    std::array<float, 4> position{};
    // Whether typing into the box changes anything (a Field's height follows its font).
    std::array<bool, 4> positionEditable{};
    // A label's or check box's size is not stored: the window measures it.
    bool measuredSize = false;

    bool has(PanelControl c) const { return shown.test(static_cast<size_t>(c)); }
    bool isMixed(PanelControl c) const { return mixed.test(static_cast<size_t>(c)); }
};

PanelView panelView(const ProjectDocument& document, const SelectionState& selection);

// The rectangle the position boxes show and place for one object (see PanelView).
PixelRect positionRect(const ProjectDocument& document, ObjectRef ref);

} // namespace qv
