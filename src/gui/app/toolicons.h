#pragma once

#include <QIcon>

namespace qv::gui {

// The pictures of the toolbox buttons, drawn rather than loaded so that they scale.
enum class ToolIcon {
    Label,
    TextField,
    Memo,
    Combo,
    DefaultPicture,
    AddPicture,
    Line,
    EmailField,
    CheckBox,
    Shape,
    Button,
    WebScript,
    AreaSelect,
    Locked,
    Unlocked,
};

QIcon toolIcon(ToolIcon which);

} // namespace qv::gui
