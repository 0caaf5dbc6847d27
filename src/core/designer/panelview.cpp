#include "designer/panelview.h"

namespace qv {

namespace {

// Folds the values of the objects of an area selection: the first value of each kind of
// control stays, a differing later one marks the control as mixed.
class ValueMerger {
public:
    explicit ValueMerger(PanelView& view) : view_(view) {}

    void add(const PanelState& s)
    {
        merge(PanelControl::FontName, &PanelState::fontName, s);
        merge(PanelControl::FontSize, &PanelState::fontSize, s);
        merge(PanelControl::Bold, &PanelState::bold, s);
        merge(PanelControl::Italic, &PanelState::italic, s);
        merge(PanelControl::Underline, &PanelState::underline, s);
        merge(PanelControl::Alignment, &PanelState::alignment, s);
        merge(PanelControl::PrintFlag, &PanelState::printOn, s);
        merge(PanelControl::LockEnabled, &PanelState::lockEnabled, s);
        merge(PanelControl::NoSearch, &PanelState::noSearch, s);
        merge(PanelControl::NoChart, &PanelState::noChart, s);
        merge(PanelControl::OrderNumber, &PanelState::orderNumber, s);
        merge(PanelControl::FieldLabel, &PanelState::fieldLabel, s);
        merge(PanelControl::FieldLength, &PanelState::fieldLength, s);
        merge(PanelControl::FrameStyle, &PanelState::frameStyle, s);
        merge(PanelControl::TextColour, &PanelState::foreColor, s);
        merge(PanelControl::BackColour, &PanelState::backColor, s);
        merge(PanelControl::BorderColour, &PanelState::borderColor, s);
    }

private:
    template <class V>
    void merge(PanelControl c, std::optional<V> PanelState::*member, const PanelState& s)
    {
        const std::optional<V>& value = s.*member;
        if (!value)
            return;
        std::optional<V>& kept = view_.values.*member;
        if (!kept)
            kept = value;
        else if (*kept != *value)
            view_.mixed.set(static_cast<size_t>(c));
    }

    PanelView& view_;
};

void showControlsOf(PanelView& view, ObjectKind kind)
{
    for (size_t c = 0; c < kPanelControlCount; ++c) {
        if (controlApplies(static_cast<PanelControl>(c), kind))
            view.shown.set(c);
    }
}

void showObjectPosition(PanelView& view, const ProjectDocument& d, ObjectRef ref)
{
    const PixelRect r = positionRect(d, ref);
    view.position = {r.left, r.top, r.width, r.height};
    view.positionShown = true;
    view.measuredSize = ref.kind == ObjectKind::Title || ref.kind == ObjectKind::Checkbox;
    const bool sized = !view.measuredSize;
    const bool height = sized && ref.kind != ObjectKind::Field && ref.kind != ObjectKind::Combo;
    view.positionEditable = {true, true, sized, height};
}

} // namespace

PixelRect positionRect(const ProjectDocument& d, ObjectRef ref)
{
    return visitTable(d, ref.kind, [&](const auto& table) -> PixelRect {
        using T = RecordType<decltype(table)>;
        if (!table.contains(ref.index))
            return {};
        const T& o = table[ref.index];
        if constexpr (std::is_same_v<T, Field> || std::is_same_v<T, Notes>) {
            return frameRect(o);
        } else if constexpr (std::is_same_v<T, Combo>) {
            const ComboFit fit = comboFit(o.border);
            const PixelRect r = recordRect(o);
            return {r.left - fit.inset, r.top - fit.inset, r.width + fit.shrink,
                    r.height + fit.shrink};
        } else if constexpr (std::is_same_v<T, Line>) {
            return {twipsToPixels(o.x1), twipsToPixels(o.y1), twipsToPixels(o.x2),
                    twipsToPixels(o.y2)};
        } else {
            return recordRect(o);
        }
    });
}

PanelView panelView(const ProjectDocument& d, const SelectionState& s)
{
    PanelView view;
    if (const auto one = s.single()) {
        std::optional<PanelState> state = panelState(d, *one);
        if (!state || !objectExists(d, *one))
            return view;
        view.single = one;
        view.values = std::move(*state);
        showControlsOf(view, one->kind);
        showObjectPosition(view, d, *one);
        return view;
    }
    if (!s.areaActive())
        return view;
    view.area = true;
    view.positionShown = true;
    view.position = {s.bandLeft, s.bandTop, s.bandWidth, s.bandHeight};
    bool placeable = false;
    ValueMerger merger(view);
    for (const ObjectRef& ref : s.multi) {
        const std::optional<PanelState> state = panelState(d, ref);
        if (!state || !objectExists(d, ref))
            continue;
        showControlsOf(view, ref.kind);
        merger.add(*state);
        placeable = placeable || ref.kind == ObjectKind::Square || ref.kind == ObjectKind::Button;
    }
    // The all-pages toggle and the order number belong to one object; so does the label
    // a field is searched and exported under, which would be no name at all if one typing
    // gave it to every field of the area.
    view.shown.reset(static_cast<size_t>(PanelControl::AllPages));
    view.shown.reset(static_cast<size_t>(PanelControl::OrderNumber));
    view.shown.reset(static_cast<size_t>(PanelControl::FieldLabel));
    // Typed positions go to the shapes and buttons of the selection only.
    view.positionEditable = {placeable, placeable, placeable, placeable};
    return view;
}

} // namespace qv
