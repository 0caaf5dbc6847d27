#include "designer/panelcontrols.h"

#include "designer/kindtables.h"

namespace qv {

namespace {

// The record members the panel's setters look for.
template <class T>
concept HasFontSize = requires(const T& o)
{
    o.fontSize;
};
template <class T>
concept HasUnderline = requires(const T& o)
{
    o.fontUnderline;
};
template <class T>
concept HasPrintFlag = requires(const T& o)
{
    o.printon;
};
template <class T>
concept HasLock = requires(const T& o)
{
    o.lockEnabled;
};
template <class T>
concept HasNoSearch = requires(const T& o)
{
    o.noSearch;
};
template <class T>
concept HasChart = requires(const T& o)
{
    o.noChart;
};
template <class T>
concept HasForeColour = requires(const T& o)
{
    o.foreColor;
};
template <class T>
concept HasBackColour = requires(const T& o)
{
    o.backColor;
};
template <class T>
concept HasBorderColour = requires(const T& o)
{
    o.borderColor;
};

template <class T> bool applies(PanelControl control)
{
    constexpr bool title = std::is_same_v<T, Title>;
    constexpr bool field = std::is_same_v<T, Field>;
    constexpr bool notes = std::is_same_v<T, Notes>;
    constexpr bool combo = std::is_same_v<T, Combo>;
    constexpr bool checkbox = std::is_same_v<T, Checkbox>;
    switch (control) {
    case PanelControl::FontName:
    case PanelControl::Bold:
    case PanelControl::Italic: return title || field || notes || combo;
    case PanelControl::FontSize: return HasFontSize<T>;
    // Only a label keeps an underline: the other records have no place for it.
    case PanelControl::Underline: return HasUnderline<T>;
    case PanelControl::Alignment: return title || field;
    // Labels, memo boxes, pictures, lines and shapes keep the print flag in their state.
    case PanelControl::PrintFlag:
        return HasPrintFlag<T> || title || notes || std::is_same_v<T, Picture> ||
               std::is_same_v<T, Line> || std::is_same_v<T, Square>;
    case PanelControl::AllPages: return true;
    case PanelControl::LockEnabled: return HasLock<T>;
    case PanelControl::NoSearch: return HasNoSearch<T>;
    case PanelControl::NoChart: return HasChart<T>;
    case PanelControl::OrderNumber:
    case PanelControl::FieldLabel: return field || notes || combo || checkbox;
    case PanelControl::FieldLength:
    case PanelControl::FrameStyle: return field || notes || combo;
    case PanelControl::TextColour: return HasForeColour<T>;
    case PanelControl::BackColour: return HasBackColour<T>;
    // A field's or memo box's border is its frame's.
    case PanelControl::BorderColour: return HasBorderColour<T> || field || notes;
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
