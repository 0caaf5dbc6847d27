#include "designer/panelcontrols.h"

#include "designer/kindtables.h"

namespace qv {

namespace {

template <class T> bool applies(PanelControl control)
{
    constexpr bool title = std::is_same_v<T, Title>;
    constexpr bool field = std::is_same_v<T, Field>;
    constexpr bool notes = std::is_same_v<T, Notes>;
    constexpr bool combo = std::is_same_v<T, Combo>;
    constexpr bool checkbox = std::is_same_v<T, Checkbox>;
    constexpr bool input = field || notes || combo || checkbox;
    switch (control) {
    case PanelControl::FontName:
    case PanelControl::Bold:
    case PanelControl::Italic: return title || field || notes || combo;
    case PanelControl::FontSize: return requires(const T& o) { o.fontSize; };
    // Only a label keeps an underline: the other records have no place for it.
    case PanelControl::Underline: return requires(const T& o) { o.fontUnderline; };
    case PanelControl::Alignment: return title || field;
    case PanelControl::PrintFlag:
        return requires(const T& o) { o.printon; } || title || notes || std::is_same_v<T, Picture> ||
               std::is_same_v<T, Line> || std::is_same_v<T, Square>;
    case PanelControl::AllPages: return true;
    case PanelControl::LockEnabled: return requires(const T& o) { o.lockEnabled; };
    case PanelControl::NoSearch: return requires(const T& o) { o.noSearch; };
    case PanelControl::NoChart: return requires(const T& o) { o.noChart; };
    case PanelControl::OrderNumber:
    case PanelControl::FieldLabel: return input;
    case PanelControl::FieldLength:
    case PanelControl::FrameStyle: return field || notes || combo;
    case PanelControl::TextColour: return requires(const T& o) { o.foreColor; };
    case PanelControl::BackColour: return requires(const T& o) { o.backColor; };
    case PanelControl::BorderColour: return requires(const T& o) { o.borderColor; } || field || notes;
    }
    return false;
}

} // namespace

bool controlApplies(PanelControl control, ObjectKind kind)
{
    bool result = false;
    forEachKindType([&](auto tag) {
        using T = decltype(tag);
        if (KindOf<T>::value == kind)
            result = applies<T>(control);
    });
    return result;
}

} // namespace qv
