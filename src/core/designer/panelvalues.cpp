#include "designer/panelvalues.h"

#include "designer/objectgeometry.h"
#include "designer/pagesize.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace qv {

namespace {

// Runs `apply` on every target record in one undo step; `apply` returns whether the record
// has the property. Records without it are not recorded as changed.
template <class F> bool applyToTargets(Designer& d, const std::string& name, F&& apply)
{
    const std::vector<ObjectRef> targets = d.selection().targets();
    if (targets.empty())
        return false;
    return d.change(name, [&](DocumentEdit& e) {
        bool any = false;
        for (const ObjectRef& ref : targets) {
            visitTable(e.document(), ref.kind, [&](auto& table) {
                using T = RecordType<decltype(table)>;
                if (!table.contains(ref.index))
                    return;
                T copy = table[ref.index];
                if (apply(copy)) {
                    e.touch<T>(ref.index) = std::move(copy);
                    any = true;
                }
            });
        }
        return any;
    });
}

bool parseWhole(const std::string& text, long long& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

template <class T> constexpr bool hasFont()
{
    return std::is_same_v<T, Title> || std::is_same_v<T, Field> || std::is_same_v<T, Notes> ||
           std::is_same_v<T, Combo>;
}

} // namespace

bool applyPositionBox(Designer& d, PositionBox box, const std::string& text)
{
    // The boxes take digits only, so a sign or a fraction is no value.
    long long typed = 0;
    if (text.find_first_not_of("0123456789") != std::string::npos ||
        (!text.empty() && !parseWhole(text, typed)))
        return false;
    const CanvasSettings& c = d.canvas();
    double converted = toPixels(static_cast<double>(typed), c.unit);
    float v = static_cast<float>(std::max(0.0, std::trunc(converted)));
    const bool horizontal = box == PositionBox::Left || box == PositionBox::Width;
    const SurfacePixels page = pageSurface(d.document().settings);
    const double limit = horizontal ? page.width : page.height;
    if (v > limit)
        v = static_cast<float>(limit - (horizontal ? 10 : 30));
    if (box == PositionBox::Height)
        v = std::max(v, 5.0f);
    const bool area = d.selection().areaActive();
    return applyToTargets(d, "Position", [&](auto& o) {
        using T = std::decay_t<decltype(o)>;
        if (area && !std::is_same_v<T, Square> && !std::is_same_v<T, Button>)
            return false;
        const PixelRect r = recordRect(o);
        if constexpr (std::is_same_v<T, Line>) {
            float& target = box == PositionBox::Left    ? o.x1
                            : box == PositionBox::Top   ? o.y1
                            : box == PositionBox::Width ? o.x2
                                                        : o.y2;
            target = pixelsToTwips(v);
            return true;
        } else if constexpr (std::is_same_v<T, Field> || std::is_same_v<T, Notes>) {
            constexpr bool isField = std::is_same_v<T, Field>;
            switch (box) {
            case PositionBox::Left: o.left = pixelsToTwips(v + kFrameInset); break;
            case PositionBox::Top: o.top = pixelsToTwips(v + kFrameInset); break;
            case PositionBox::Width: {
                // The typed width is the frame's; the text box is narrower by a margin
                // that differs between the two kinds.
                const float frame = isField ? std::max(v, 16.0f) : (v < 20 ? 30 : v);
                o.frameExtraWidth = isField ? 6.0f : 4.0f;
                o.width = pixelsToTwips(frame - o.frameExtraWidth);
                break;
            }
            case PositionBox::Height:
                if (isField)
                    return false; // a field's height follows its font
                o.frameExtraHeight = 2;
                o.height = pixelsToTwips(std::max(v, 24.0f) - o.frameExtraHeight);
                break;
            }
            return true;
        } else if constexpr (std::is_same_v<T, Combo>) {
            const ComboFit fit = comboFit(o.border);
            switch (box) {
            case PositionBox::Left: o.left = pixelsToTwips(v + fit.inset); break;
            case PositionBox::Top: o.top = pixelsToTwips(v + fit.inset); break;
            case PositionBox::Width:
                o.width = pixelsToTwips(std::max(v, 16.0f) - fit.shrink);
                break;
            case PositionBox::Height: return false;
            }
            return true;
        } else {
            switch (box) {
            case PositionBox::Left: placeRecord(o, v, r.top); break;
            case PositionBox::Top: placeRecord(o, r.left, v); break;
            case PositionBox::Width:
                if constexpr (!requires { o.width; })
                    return false;
                setRecordSize(o, v, r.height);
                if constexpr (std::is_same_v<T, Square>) {
                    if (o.shape == 1 || o.shape == 3) // square, circle
                        o.height = o.width;
                }
                break;
            case PositionBox::Height:
                if constexpr (!requires { o.height; })
                    return false;
                setRecordSize(o, r.width, v);
                break;
            }
            return true;
        }
    });
}

std::string applyFontSize(Designer& d, const std::string& text)
{
    long long size = 0;
    if (!parseWhole(text, size))
        return text;
    if (size > 200) {
        size = 200;
    } else if (size < 2) {
        return text;
    }
    applyToTargets(d, "Font Size", [&](auto& o) {
        if constexpr (requires { o.fontSize; }) {
            o.fontSize = static_cast<decltype(o.fontSize)>(size);
            if constexpr (requires { o.frameExtraWidth; })
                refitFrame(o);
            return true;
        }
        return false;
    });
    return std::to_string(size);
}

bool setFontName(Designer& d, const std::string& name)
{
    return applyToTargets(d, "Font", [&](auto& o) {
        if constexpr (hasFont<std::decay_t<decltype(o)>>()) {
            o.fontName = name;
            return true;
        }
        return false;
    });
}

bool setFontBold(Designer& d, bool value)
{
    return applyToTargets(d, "Bold", [&](auto& o) {
        if constexpr (hasFont<std::decay_t<decltype(o)>>()) {
            o.fontBold = value;
            return true;
        }
        return false;
    });
}

bool setFontItalic(Designer& d, bool value)
{
    return applyToTargets(d, "Italic", [&](auto& o) {
        if constexpr (hasFont<std::decay_t<decltype(o)>>()) {
            o.fontItalic = value;
            return true;
        }
        return false;
    });
}

bool setFontUnderline(Designer& d, bool value)
{
    return applyToTargets(d, "Underline", [&](auto& o) {
        if constexpr (requires { o.fontUnderline; }) {
            o.fontUnderline = value;
            return true;
        }
        return false;
    });
}

bool setAlignment(Designer& d, int alignment)
{
    return applyToTargets(d, "Alignment", [&](auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, Title> || std::is_same_v<T, Field>) {
            o.alignment = static_cast<int16_t>(alignment);
            return true;
        }
        return false;
    });
}

bool setPrintFlag(Designer& d, bool value)
{
    return applyToTargets(d, "Print", [&](auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, Title>)
            o.titleState = value;
        else if constexpr (std::is_same_v<T, Notes>)
            o.notesState = value;
        else if constexpr (std::is_same_v<T, Picture>)
            o.pictureState = value;
        else if constexpr (std::is_same_v<T, Line>)
            o.lineState = value;
        else if constexpr (std::is_same_v<T, Square>)
            o.squareState = value;
        else if constexpr (requires { o.printon; })
            o.printon = value;
        else
            return false;
        return true;
    });
}

bool setFieldLabel(Designer& d, const std::string& label)
{
    // A field's label is its name in searches and exports: one name per field, so an area
    // selection does not take it.
    if (d.selection().areaActive())
        return false;
    return applyToTargets(d, "Field Label", [&](auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, Field> || std::is_same_v<T, Notes> ||
                      std::is_same_v<T, Combo> || std::is_same_v<T, Checkbox>) {
            o.tag = label;
            return true;
        }
        return false;
    });
}

bool setFieldLength(Designer& d, const std::string& text)
{
    long long length = 0;
    if (!parseWhole(text, length) || length < 0)
        return false;
    return applyToTargets(d, "Field Length", [&](auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, Field> || std::is_same_v<T, Notes> ||
                      std::is_same_v<T, Combo>) {
            using L = decltype(o.maxLength);
            o.maxLength =
                static_cast<L>(std::min<long long>(length, std::numeric_limits<L>::max()));
            return true;
        }
        return false;
    });
}

bool setFrameStyle(Designer& d, int style)
{
    return applyToTargets(d, "Frame Style", [&](auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, Field> || std::is_same_v<T, Notes>) {
            o.frameStyle = style;
            refitFrame(o);
            return true;
        } else if constexpr (std::is_same_v<T, Combo>) {
            setComboFrameStyle(o, style);
            return true;
        }
        return false;
    });
}

bool applyColour(Designer& d, int target, int32_t colour)
{
    return applyToTargets(d, "Colour", [&](auto& o) {
        using T = std::decay_t<decltype(o)>;
        if (target == kTextColourTarget) {
            if constexpr (requires { o.foreColor; }) {
                o.foreColor = colour;
                return true;
            }
        } else if (target == kBackColourTarget) {
            if constexpr (requires { o.backColor; }) {
                o.backColor = colour;
                return true;
            }
        } else if (target == kBorderColourTarget) {
            if constexpr (requires { o.borderColor; }) {
                o.borderColor = colour;
                return true;
            } else if constexpr (std::is_same_v<T, Field> || std::is_same_v<T, Notes>) {
                o.frameBorderColor = colour;
                return true;
            }
        }
        return false;
    });
}

} // namespace qv
