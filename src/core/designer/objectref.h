#pragma once

#include "document/objectkind.h"

#include <compare>

namespace qv {

// One object of the document, addressed by kind and index as the canvas addresses it.
struct ObjectRef {
    ObjectKind kind = ObjectKind::Field;
    int index = 0;

    auto operator<=>(const ObjectRef&) const = default;
};

} // namespace qv
