#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

// The kinds of object a designed window is made of. The numbers are the codes that the
// selection, the clipboard text and the dialogs use for each kind.
enum class ObjectKind : int {
    Field = 1,
    Notes = 2,
    Combo = 3,
    Picture = 4,
    Checkbox = 5,
    Title = 6,
    Line = 7,
    Square = 8,
    Script = 9,
    Button = 20,
};

// Selection code of an area selection; not a kind of object.
inline constexpr int kAreaSelectionCode = 99;

// Page values of an object.
inline constexpr int kAllPages = -1;    // shown on every page
inline constexpr int kPageCount = 5;    // pages 0..4
inline constexpr int kParkedPage = 5;   // element 0 after a delete
inline constexpr int kDeletedPage = 95; // deleted; gone at the next save and load

struct KindLimits {
    int firstIndex;   // lowest index of a real object
    int highestIndex; // the kind is full when its high-water index reaches this
};

constexpr KindLimits limitsOf(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Title: return {1, 5000};
    case ObjectKind::Field: return {1, 2000};
    case ObjectKind::Notes: return {1, 500};
    case ObjectKind::Combo: return {1, 2000};
    case ObjectKind::Picture: return {0, 500};
    case ObjectKind::Checkbox: return {0, 2000};
    case ObjectKind::Square: return {0, 5000};
    case ObjectKind::Line: return {0, 5000};
    case ObjectKind::Button: return {0, 2000};
    case ObjectKind::Script: return {1, 2000};
    }
    return {0, 0};
}

std::string_view kindName(ObjectKind kind);
// True for the codes 1-9 and 20.
bool isObjectKindCode(int code);

} // namespace qv
