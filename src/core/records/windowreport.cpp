#include "records/windowreport.h"

#include "builder/appdata.h"
#include "document/objectkind.h"
#include "records/inputref.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace qv {

namespace {

constexpr float kMargin = 720; // half an inch
constexpr float kA4Short = 11906;
constexpr float kA4Long = 16838;
constexpr float kCheckLabelWidth = 240;

bool onPage(int objectPage, int page)
{
    return objectPage == page || objectPage == kAllPages;
}

float usable(float twips)
{
    return std::isfinite(twips) ? twips : 0;
}

ReportLabel dataLabel(InputRef ref, const std::string& fontName, float fontSize, bool bold,
                      bool italic, int32_t colour, float left, float top, float width, float height)
{
    ReportLabel label;
    label.fontName = fontName;
    label.fontSize = fontSize;
    label.bold = bold;
    label.italic = italic;
    label.color = colour;
    label.left = usable(left) + kMargin;
    label.top = usable(top) + kMargin;
    label.width = usable(width);
    label.height = usable(height);
    label.autoSize = true;
    label.referenceCode = static_cast<int16_t>(ref.referenceCode());
    label.caption = ref.kind == InputKind::Checkbox ? std::string("x") : ref.token() + ", 1";
    label.column = 1;
    return label;
}

} // namespace

Report WindowReport(const AppData& data, int page)
{
    Report report;
    const float wide = std::max(usable(data.surfaceWidth), 0.0f) + 2 * kMargin;
    const float high = std::max(usable(data.surfaceHeight), 0.0f) + 2 * kMargin;
    report.paperWidth = std::max(data.landscape ? kA4Long : kA4Short, wide);
    report.paperHeight = std::max(data.landscape ? kA4Short : kA4Long, high);

    for (const Square& s : data.squares) {
        if (!s.visible || !onPage(s.page, page))
            continue;
        ReportSquare square;
        square.borderWidth = s.borderWidth;
        square.fillStyle = s.fillStyle;
        square.borderStyle = s.borderStyle;
        square.shape = s.shape;
        square.fillColor = s.fillColor;
        square.borderColor = s.borderColor;
        square.width = usable(s.width);
        square.height = usable(s.height);
        square.left = usable(s.left) + kMargin;
        square.top = usable(s.top) + kMargin;
        report.squares.push_back(square);
    }
    for (const Line& l : data.lines) {
        if (!l.visible || !onPage(l.page, page))
            continue;
        report.lines.push_back({true, l.borderColor, usable(l.x1) + kMargin, usable(l.y1) + kMargin,
                                usable(l.x2) + kMargin, usable(l.y2) + kMargin});
    }
    for (size_t i = 0; i < data.pictures.size(); ++i) {
        const Picture& p = data.pictures[i].picture;
        if (!p.visible || !onPage(p.page, page) || data.pictures[i].bytes.empty() ||
            report.images.size() >= static_cast<size_t>(kMaxReportImages))
            continue;
        ReportImage image;
        image.left = usable(p.left) + kMargin;
        image.top = usable(p.top) + kMargin;
        image.width = usable(p.width);
        image.height = usable(p.height);
        image.pictureNumber = static_cast<int16_t>(i);
        image.imageOption = p.stretch ? 1 : 2;
        report.images.push_back(image);
    }
    for (size_t i = 0; i < data.checkboxes.size(); ++i) {
        const Checkbox& c = data.checkboxes[i];
        if (!c.visible || c.printon == 0 || !onPage(c.page, page))
            continue;
        report.labels.push_back(dataLabel({InputKind::Checkbox, static_cast<int>(i)}, "Arial", 9,
                                          false, false, 0, c.left, c.top, kCheckLabelWidth,
                                          kCheckLabelWidth));
    }
    for (size_t i = 0; i < data.notes.size(); ++i) {
        const Notes& n = data.notes[i].notes;
        if (!n.visible || !onPage(n.page, page))
            continue;
        ReportLabel label =
            dataLabel({InputKind::Notes, static_cast<int>(i + 1)}, n.fontName, n.fontSize,
                      n.fontBold, n.fontItalic, n.foreColor, n.left, n.top, n.width, n.height);
        // A notes box keeps its size: its lines wrap inside it as on screen.
        label.autoSize = false;
        report.labels.push_back(label);
    }
    for (size_t i = 0; i < data.combos.size(); ++i) {
        const Combo& c = data.combos[i];
        if (!c.visible || c.printon == 0 || !onPage(c.page, page))
            continue;
        report.labels.push_back(dataLabel({InputKind::Combo, static_cast<int>(i + 1)}, c.fontName,
                                          c.fontSize, c.fontBold, c.fontItalic, c.foreColor, c.left,
                                          c.top, c.width, 315));
    }
    for (size_t i = 0; i < data.fields.size(); ++i) {
        const Field& f = data.fields[i].field;
        if (!f.visible || f.printon == 0 || !onPage(f.page, page))
            continue;
        ReportLabel label =
            dataLabel({InputKind::Field, static_cast<int>(i + 1)}, f.fontName, f.fontSize,
                      f.fontBold, f.fontItalic, f.foreColor, f.left, f.top, f.width, f.height);
        label.alignment = f.alignment;
        report.labels.push_back(label);
    }
    for (const Title& t : data.titles) {
        if (!t.visible || !onPage(t.page, page) || t.caption.empty())
            continue;
        ReportLabel label;
        label.fontName = t.fontName;
        label.fontSize = t.fontSize;
        label.bold = t.fontBold;
        label.italic = t.fontItalic;
        label.underline = t.fontUnderline;
        label.color = t.foreColor;
        label.left = usable(t.left) + kMargin;
        label.top = usable(t.top) + kMargin;
        label.alignment = t.alignment;
        label.autoSize = true;
        label.caption = t.caption;
        report.labels.push_back(label);
    }
    return report;
}

} // namespace qv
