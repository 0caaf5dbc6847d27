#include "document/objectkind.h"

namespace qv {

std::string_view kindName(ObjectKind kind)
{
    switch (kind) {
    case ObjectKind::Title: return "Title";
    case ObjectKind::Field: return "Field";
    case ObjectKind::Notes: return "Notes";
    case ObjectKind::Combo: return "Combo";
    case ObjectKind::Picture: return "Picture";
    case ObjectKind::Checkbox: return "Checkbox";
    case ObjectKind::Square: return "Square";
    case ObjectKind::Line: return "Line";
    case ObjectKind::Button: return "Button";
    case ObjectKind::Script: return "Script";
    }
    return "?";
}

bool isObjectKindCode(int code)
{
    return (code >= 1 && code <= 9) || code == 20;
}

} // namespace qv
