#pragma once

#include "controls/buttonlook.h"
#include "controls/checklook.h"
#include "controls/combolook.h"

#include <QFont>

#include <string>

namespace qv {
struct Button;
struct Checkbox;
struct Combo;
} // namespace qv

namespace qv::gui {

// How the objects that a control draws look, made from their records alone. The design
// painter draws them with these, and the built application's live controls take the same
// looks, so that an object looks the same wherever it is shown.

// A font of a record: its family at its size in points (9 when it has none).
QFont fontOfRecord(const std::string& name, float size, bool bold, bool italic,
                   bool underline = false);
// A colour as records store it (0x00BBGGRR or a system colour).
QColor colorOfRecord(int32_t value);

// A combo showing `text` (the designer shows its first list item).
ComboLook lookOf(const Combo& combo, const QString& text);
// A check box or option box with `value` checked (0 none, n the box in slot n).
CheckLook lookOf(const Checkbox& checkbox, int value);
ButtonLook lookOf(const Button& button);

} // namespace qv::gui
