#include "designer/panelstate.h"

#include "designer/kindtables.h"

namespace qv {

std::optional<PanelState> panelState(const ProjectDocument& d, ObjectRef ref)
{
    return visitTable(d, ref.kind, [&](const auto& table) -> std::optional<PanelState> {
        using T = RecordType<decltype(table)>;
        if (!table.contains(ref.index))
            return std::nullopt;
        const T& o = table[ref.index];
        PanelState p;
        if constexpr (std::is_same_v<T, Title>)
            p.numberLabel = "L" + std::to_string(ref.index);
        if constexpr (std::is_same_v<T, Checkbox>)
            p.numberLabel = "K" + std::to_string(ref.index);
        if constexpr (requires { o.toolTipText; })
            p.toolTipText = o.toolTipText;
        if constexpr (requires { o.tag; })
            p.tag = o.tag;
        if constexpr (requires { o.fontName; }) {
            p.fontName = o.fontName;
            p.fontSize = static_cast<float>(o.fontSize);
        }
        if constexpr (requires { o.fontBold; }) {
            p.bold = o.fontBold;
            p.italic = o.fontItalic;
        }
        if constexpr (requires { o.fontUnderline; })
            p.underline = o.fontUnderline;
        if constexpr (requires { o.foreColor; })
            p.foreColor = o.foreColor;
        if constexpr (requires { o.backColor; })
            p.backColor = o.backColor;
        if constexpr (requires { o.borderColor; })
            p.borderColor = o.borderColor;
        else if constexpr (std::is_same_v<T, Field> || std::is_same_v<T, Notes>)
            p.borderColor = o.frameBorderColor; // the border colour is the frame's
        if constexpr (std::is_same_v<T, Title> || std::is_same_v<T, Field>)
            p.alignment = o.alignment;
        if constexpr (std::is_same_v<T, Title>)
            p.printOn = o.titleState != 0;
        else if constexpr (std::is_same_v<T, Notes>)
            p.printOn = o.notesState != 0;
        else if constexpr (std::is_same_v<T, Picture>)
            p.printOn = o.pictureState != 0;
        else if constexpr (std::is_same_v<T, Line>)
            p.printOn = o.lineState != 0;
        else if constexpr (std::is_same_v<T, Square>)
            p.printOn = o.squareState != 0;
        else if constexpr (requires { o.printon; })
            p.printOn = o.printon != 0;
        p.allPages = pageOf(o) == kAllPages;
        if constexpr (requires { o.lockEnabled; })
            p.lockEnabled = o.lockEnabled != 0;
        if constexpr (requires { o.noSearch; })
            p.noSearch = o.noSearch != 0;
        if constexpr (requires { o.noChart; })
            p.noChart = o.noChart != 0;
        if constexpr (std::is_same_v<T, Field> || std::is_same_v<T, Notes> ||
                      std::is_same_v<T, Combo> || std::is_same_v<T, Checkbox>) {
            p.orderNumber = o.tabOrder;
            p.fieldLabel = o.tag;
        }
        if constexpr (std::is_same_v<T, Field> || std::is_same_v<T, Notes> ||
                      std::is_same_v<T, Combo>)
            p.fieldLength = o.maxLength;
        if constexpr (requires { o.frameStyle; })
            p.frameStyle = o.frameStyle;
        if constexpr (std::is_same_v<T, Combo>)
            p.frameStyle = o.border;
        return p;
    });
}

} // namespace qv
