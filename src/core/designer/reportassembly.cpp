#include "designer/reportassembly.h"

#include "designer/objectgeometry.h"

namespace qv {

DataLabelText dataLabelText(const ProjectDocument& d, ObjectRef ref)
{
    const std::string n = std::to_string(ref.index);
    DataLabelText t;
    switch (ref.kind) {
    case ObjectKind::Field:
        t.referenceCode = static_cast<int16_t>(ref.index);
        t.caption = "F" + n + ", 1";
        t.toolTip = d.fields[ref.index].tag + " F" + std::to_string(t.referenceCode) + ",1";
        break;
    case ObjectKind::Combo:
        t.referenceCode = static_cast<int16_t>(kComboRefBase + ref.index);
        t.caption = "C" + n + ", 1";
        t.toolTip = d.combos[ref.index].tag + " C" + std::to_string(t.referenceCode) + ",1";
        break;
    case ObjectKind::Notes:
        t.referenceCode = static_cast<int16_t>(kNotesRefBase + ref.index);
        t.caption = "M" + n + ", 1";
        t.toolTip = d.notes[ref.index].tag + " M" + std::to_string(t.referenceCode) + ",1";
        break;
    case ObjectKind::Checkbox:
        t.referenceCode = static_cast<int16_t>(kCheckboxRefBase + ref.index);
        t.caption = "x";
        t.toolTip = d.checkboxes[ref.index].tag + " K" + std::to_string(t.referenceCode) + ", 1";
        break;
    default: break;
    }
    return t;
}

namespace {

template <class T> void copyFont(const T& o, ReportLabel& label)
{
    if constexpr (requires { o.fontBold; }) {
        label.fontName = o.fontName;
        label.bold = o.fontBold;
        label.italic = o.fontItalic;
        label.fontSize = static_cast<float>(o.fontSize);
        label.color = o.foreColor;
    }
    if constexpr (requires { o.alignment; })
        label.alignment = o.alignment;
}

} // namespace

AssembledReport assembleReport(const ProjectDocument& d, int page, const Report& base)
{
    AssembledReport out;
    Report& r = out.report;
    r.windowWidth = base.windowWidth;
    r.windowHeight = base.windowHeight;
    r.paperWidth = base.paperWidth;
    r.paperHeight = base.paperHeight;
    for (int i : d.squares.indices()) {
        const Square& s = d.squares[i];
        if (!shownOnPage(s, page))
            continue;
        r.squares.push_back(ReportSquare{true, s.borderWidth, s.fillStyle, s.borderStyle, s.shape,
                                         s.fillColor, s.borderColor, s.height, s.width, s.top,
                                         s.left});
    }
    for (int i : d.lines.indices()) {
        const Line& l = d.lines[i];
        if (shownOnPage(l, page))
            r.lines.push_back(ReportLine{true, l.borderColor, l.x1, l.y1, l.x2, l.y2});
    }
    auto dataLabels = [&](const auto& table, ObjectKind kind) {
        for (int i : table.indices()) {
            const auto& o = table[i];
            if (!shownOnPage(o, page))
                continue;
            ReportLabel label;
            label.autoSize = true;
            copyFont(o, label);
            const PixelRect rect = recordRect(o);
            label.left = o.left;
            label.top = o.top;
            label.width = pixelsToTwips(rect.width);
            label.height = pixelsToTwips(rect.height);
            const DataLabelText text = dataLabelText(d, {kind, i});
            label.caption = text.caption;
            label.referenceCode = text.referenceCode;
            label.column = 1;
            r.labels.push_back(std::move(label));
            out.labelToolTips.push_back(text.toolTip);
        }
    };
    dataLabels(d.checkboxes, ObjectKind::Checkbox);
    dataLabels(d.notes, ObjectKind::Notes);
    dataLabels(d.combos, ObjectKind::Combo);
    dataLabels(d.fields, ObjectKind::Field);
    for (int i : d.titles.indices()) {
        const Title& t = d.titles[i];
        if (!shownOnPage(t, page))
            continue;
        ReportLabel label;
        copyFont(t, label);
        label.caption = t.caption;
        label.autoSize = true;
        label.top = t.top;
        label.left = t.left;
        label.referenceCode = kPlainLabelRef;
        r.labels.push_back(std::move(label));
        out.labelToolTips.push_back(t.caption);
    }
    for (int i : d.pictures.indices()) {
        const Picture& p = d.pictures[i];
        if (!shownOnPage(p, page) || static_cast<int>(r.images.size()) >= kMaxReportImages)
            continue;
        r.images.push_back(
            ReportImage{true, p.top, p.left, p.height, p.width, static_cast<int16_t>(i), 1});
        out.imageToolTips.push_back("P" + std::to_string(i) + ", 1");
    }
    return out;
}

std::optional<std::string> addDataLabel(Designer& d, int slot, ObjectRef ref)
{
    const ProjectDocument& doc = d.document();
    if (slot < 0 || slot >= static_cast<int>(doc.reportSlots.size()) || !objectExists(doc, ref))
        return std::nullopt;
    if (ref.kind != ObjectKind::Field && ref.kind != ObjectKind::Combo &&
        ref.kind != ObjectKind::Notes && ref.kind != ObjectKind::Checkbox)
        return std::nullopt;
    const DataLabelText text = dataLabelText(doc, ref);
    d.change("Add Label", [&](DocumentEdit& e) {
        e.touchReports();
        ReportLabel label;
        label.autoSize = true;
        label.caption = text.caption;
        label.referenceCode = text.referenceCode;
        label.column = 1;
        visitTable(e.document(), ref.kind,
                   [&](const auto& table) { copyFont(table[ref.index], label); });
        e.document().reportSlots[static_cast<size_t>(slot)].report.labels.push_back(label);
    });
    return text.toolTip;
}

bool assembleReportInto(Designer& d, int slot)
{
    if (slot < 0 || slot >= static_cast<int>(d.document().reportSlots.size()))
        return false;
    d.change("Assemble Report", [&](DocumentEdit& e) {
        e.touchReports();
        ProjectDocument& doc = e.document();
        Report& target = doc.reportSlots[static_cast<size_t>(slot)].report;
        target = assembleReport(doc, doc.currentPage, target).report;
    });
    return true;
}

} // namespace qv
