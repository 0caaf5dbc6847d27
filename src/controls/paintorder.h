#pragma once

#include "document/objectkind.h"

#include <array>

namespace qv::gui {

// How the objects of a designed window stack, back to front: lines, then shapes, pictures
// and web scripts, then labels, then the input controls, with check boxes and buttons in
// front. Within a kind, higher indices lie above lower ones.
inline constexpr std::array<ObjectKind, 10> kPaintOrder{
    ObjectKind::Line,     ObjectKind::Square, ObjectKind::Picture, ObjectKind::Script,
    ObjectKind::Title,    ObjectKind::Field,  ObjectKind::Notes,   ObjectKind::Combo,
    ObjectKind::Checkbox, ObjectKind::Button};

} // namespace qv::gui
