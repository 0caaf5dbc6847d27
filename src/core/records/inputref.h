#pragma once

#include <compare>
#include <cstdint>

namespace qv {

// The objects of a designed window that hold a record's data.
enum class InputKind { Field, Notes, Combo, Checkbox };

// One input object by kind and index, as the formulas number them: fields, notes and
// combos from 1, check boxes from 0.
struct InputRef {
    InputKind kind = InputKind::Field;
    int index = 0;

    auto operator<=>(const InputRef&) const = default;
};

// The reference code reports and the search window use: Field n, Combo 2000 + n,
// Checkbox 4000 + n, Notes 6000 + n.
int ReferenceCodeOf(InputRef ref);
// The object a reference code names; kind Field with index 0 when it names none.
InputRef InputOfReferenceCode(int code);

} // namespace qv
