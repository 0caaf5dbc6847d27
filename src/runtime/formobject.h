#pragma once

#include "document/objectkind.h"
#include "records/inputref.h"

#include <optional>

namespace qv::runtime {

// An object of the designed window that the user works with: an input object (Field,
// Notes, Combo, Checkbox) or a Button, by its index in the design.
struct FormObject {
    ObjectKind kind = ObjectKind::Field;
    int index = 0;

    bool operator==(const FormObject&) const = default;
};

inline FormObject formObjectOf(InputRef ref)
{
    switch (ref.kind) {
    case InputKind::Field: return {ObjectKind::Field, ref.index};
    case InputKind::Notes: return {ObjectKind::Notes, ref.index};
    case InputKind::Combo: return {ObjectKind::Combo, ref.index};
    case InputKind::Checkbox: return {ObjectKind::Checkbox, ref.index};
    }
    return {};
}

// The input object a form object is; nullopt for a button.
inline std::optional<InputRef> inputOf(FormObject object)
{
    switch (object.kind) {
    case ObjectKind::Field: return InputRef{InputKind::Field, object.index};
    case ObjectKind::Notes: return InputRef{InputKind::Notes, object.index};
    case ObjectKind::Combo: return InputRef{InputKind::Combo, object.index};
    case ObjectKind::Checkbox: return InputRef{InputKind::Checkbox, object.index};
    default: return std::nullopt;
    }
}

} // namespace qv::runtime
