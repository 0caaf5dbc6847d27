#pragma once

#include "designer/objectref.h"

#include <array>
#include <optional>
#include <vector>

namespace qv {

// Placement code when no new object follows the pointer.
inline constexpr int kNoPlacement = 100;

// What is selected on the canvas, shared by the canvas and the main window's panel.
struct SelectionState {
    int kind = 0; // 0 nothing, an object kind code, or 99 for an area selection
    // The current index of each kind, by kind code (index 20 for buttons).
    std::array<int, 21> currentIndex{};
    // Filled by area selection, Select All and paste, in the order found.
    std::vector<ObjectRef> multi;
    // The rubber band of an area selection, in pixels; shown while `bandVisible`.
    bool bandVisible = false;
    float bandLeft = 0;
    float bandTop = 0;
    float bandWidth = 0;
    float bandHeight = 0;
    int placementTool = kNoPlacement;
    bool locked = false;

    int& current(ObjectKind k) { return currentIndex[static_cast<size_t>(k)]; }
    int current(ObjectKind k) const { return currentIndex[static_cast<size_t>(k)]; }

    // The one selected object, when the selection is a single object.
    std::optional<ObjectRef> single() const
    {
        if (kind == 0 || kind == kAreaSelectionCode || !isObjectKindCode(kind))
            return std::nullopt;
        const auto k = static_cast<ObjectKind>(kind);
        return ObjectRef{k, current(k)};
    }

    void select(ObjectRef ref)
    {
        kind = static_cast<int>(ref.kind);
        current(ref.kind) = ref.index;
    }

    bool areaActive() const { return kind == kAreaSelectionCode; }

    // The objects an operation acts on: the multi-selection list for an area selection,
    // else the one selected object.
    std::vector<ObjectRef> targets() const
    {
        if (areaActive())
            return multi;
        if (auto one = single())
            return {*one};
        return {};
    }
};

} // namespace qv
