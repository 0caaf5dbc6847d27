#include "document/geometryrepair.h"

#include "document/projectdocument.h"
#include "document/units.h"

#include <cmath>
#include <type_traits>

namespace qv {

namespace {

constexpr float kDefaultFontSize = 9;

// Collects the names of the values set in one record.
class Repair {
public:
    void position(float& value, const char* what) { set(value, 0, what); }
    void size(float& value, float smallest, const char* what) { set(value, smallest, what); }

    bool report(const std::string& name, std::vector<std::string>& warnings) const
    {
        if (fixed_.empty())
            return false;
        warnings.push_back(name + " had a position or size that is not a number (" + fixed_ +
                           "); it was set to 0, or to the smallest size");
        return true;
    }

private:
    void set(float& value, float replacement, const char* what)
    {
        if (std::isfinite(value))
            return;
        value = replacement;
        if (!fixed_.empty())
            fixed_ += ", ";
        fixed_ += what;
    }

    std::string fixed_;
};

// The positions and sizes a record type has, whichever of them it has.
template <class T> void walk(T& o, Repair& r, SmallestSize smallest)
{
    if constexpr (requires { o.x1; }) {
        r.position(o.x1, "X1");
        r.position(o.y1, "Y1");
        r.position(o.x2, "X2");
        r.position(o.y2, "Y2");
    }
    if constexpr (requires { o.left; })
        r.position(o.left, "left");
    if constexpr (requires { o.top; })
        r.position(o.top, "top");
    if constexpr (requires { o.width; })
        r.size(o.width, smallest.width, "width");
    if constexpr (requires { o.height; })
        r.size(o.height, smallest.height, "height");
    if constexpr (requires { o.fontSize; }) {
        if constexpr (std::is_floating_point_v<decltype(o.fontSize)>)
            r.size(o.fontSize, kDefaultFontSize, "font size");
    }
}

template <class T>
bool repairRecord(T& o, SmallestSize smallest, const std::string& name,
                  std::vector<std::string>& warnings)
{
    Repair r;
    walk(o, r, smallest);
    return r.report(name, warnings);
}

template <class T> void repairTable(ObjectTable<T>& table, std::vector<std::string>& warnings)
{
    for (int i : table.indices())
        repairGeometry(table[i], objectName(table.kind(), i), warnings);
}

} // namespace

std::string objectName(ObjectKind kind, int index)
{
    return std::string(kindName(kind)) + " " + std::to_string(index);
}

SmallestSize smallestSize(ObjectKind kind)
{
    // Pixels as the property panel takes them, in twips.
    switch (kind) {
    case ObjectKind::Field: return {pixelsToTwips(10), pixelsToTwips(5)};
    case ObjectKind::Notes: return {pixelsToTwips(16), pixelsToTwips(22)};
    case ObjectKind::Combo: return {pixelsToTwips(14), pixelsToTwips(5)};
    default: return {pixelsToTwips(5), pixelsToTwips(5)};
    }
}

bool repairGeometry(Title& o, const std::string& name, std::vector<std::string>& warnings)
{
    return repairRecord(o, smallestSize(ObjectKind::Title), name, warnings);
}
bool repairGeometry(Field& o, const std::string& name, std::vector<std::string>& warnings)
{
    return repairRecord(o, smallestSize(ObjectKind::Field), name, warnings);
}
bool repairGeometry(Notes& o, const std::string& name, std::vector<std::string>& warnings)
{
    return repairRecord(o, smallestSize(ObjectKind::Notes), name, warnings);
}
bool repairGeometry(Combo& o, const std::string& name, std::vector<std::string>& warnings)
{
    return repairRecord(o, smallestSize(ObjectKind::Combo), name, warnings);
}
bool repairGeometry(Picture& o, const std::string& name, std::vector<std::string>& warnings)
{
    return repairRecord(o, smallestSize(ObjectKind::Picture), name, warnings);
}
bool repairGeometry(Checkbox& o, const std::string& name, std::vector<std::string>& warnings)
{
    return repairRecord(o, smallestSize(ObjectKind::Checkbox), name, warnings);
}
bool repairGeometry(Square& o, const std::string& name, std::vector<std::string>& warnings)
{
    return repairRecord(o, smallestSize(ObjectKind::Square), name, warnings);
}
bool repairGeometry(Line& o, const std::string& name, std::vector<std::string>& warnings)
{
    return repairRecord(o, smallestSize(ObjectKind::Line), name, warnings);
}
bool repairGeometry(Button& o, const std::string& name, std::vector<std::string>& warnings)
{
    return repairRecord(o, smallestSize(ObjectKind::Button), name, warnings);
}
bool repairGeometry(Script& o, const std::string& name, std::vector<std::string>& warnings)
{
    return repairRecord(o, smallestSize(ObjectKind::Script), name, warnings);
}

bool repairGeometry(Report& report, const std::string& name, std::vector<std::string>& warnings)
{
    const Report defaults;
    Repair r;
    r.size(report.windowWidth, defaults.windowWidth, "window width");
    r.size(report.windowHeight, defaults.windowHeight, "window height");
    r.size(report.paperWidth, defaults.paperWidth, "paper width");
    r.size(report.paperHeight, defaults.paperHeight, "paper height");
    bool repaired = r.report(name, warnings);
    const auto elements = [&](auto& list, const char* what) {
        for (size_t i = 0; i < list.size(); ++i)
            repaired |= repairRecord(list[i], kSmallestReportElement,
                                     name + ", " + what + " " + std::to_string(i + 1), warnings);
    };
    elements(report.squares, "square");
    elements(report.lines, "line");
    elements(report.images, "image");
    elements(report.labels, "label");
    return repaired;
}

bool repairGeometry(AppSettings& a, std::vector<std::string>& warnings)
{
    // Sizes of 0 here mean "not set": the design surface then takes its page size.
    Repair r;
    r.size(a.surfaceFrameWidth, 0, "surface frame width");
    r.position(a.pageScrollerLeft, "page scroller left");
    r.position(a.surfaceFrameTop, "surface frame top");
    r.size(a.pageScrollerHeight, 0, "page scroller height");
    r.size(a.designWindowWidth, 0, "design window width");
    r.size(a.designWindowHeight, 0, "design window height");
    r.position(a.menuLabelFrameTop, "menu label frame top");
    r.position(a.menuLabelFrameLeft, "menu label frame left");
    r.size(a.surfaceWidth, 0, "surface width");
    r.size(a.surfaceHeight, 0, "surface height");
    return r.report("The application settings", warnings);
}

void repairGeometry(ProjectDocument& document, std::vector<std::string>& warnings)
{
    repairGeometry(document.settings, warnings);
    repairTable(document.titles, warnings);
    repairTable(document.fields, warnings);
    repairTable(document.notes, warnings);
    repairTable(document.combos, warnings);
    repairTable(document.pictures, warnings);
    repairTable(document.checkboxes, warnings);
    repairTable(document.squares, warnings);
    repairTable(document.lines, warnings);
    repairTable(document.buttons, warnings);
    repairTable(document.scripts, warnings);
    for (size_t r = 0; r < document.reportSlots.size(); ++r) {
        ReportSlot& slot = document.reportSlots[r];
        repairGeometry(slot.report, "Report " + std::to_string(r) + " (" + slot.caption + ")",
                       warnings);
    }
}

} // namespace qv
