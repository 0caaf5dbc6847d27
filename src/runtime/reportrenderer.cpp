#include "reportrenderer.h"

#include "builder/appdata.h"
#include "controls/olecolor.h"
#include "records/recordset.h"

#include <QFontMetricsF>
#include <QLoggingCategory>
#include <QPagedPaintDevice>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcReport, "qv.runtime.report")

namespace qv::runtime {

namespace {

// Twips per pixel of the designed window, for widths given in pixels.
constexpr qreal kTwipsPerPixel = 15;
constexpr int kMaxRecordsPerPage = 200;

QColor colourOf(int32_t stored)
{
    return gui::colorFromOle(static_cast<uint32_t>(stored));
}

bool finite(std::initializer_list<float> values)
{
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}

QFont fontOf(const ReportLabel& label)
{
    QFont font(
        QString::fromStdString(label.fontName.empty() ? std::string("Arial") : label.fontName));
    const qreal points = label.fontSize > 1 && label.fontSize < 1000 ? label.fontSize : 9;
    // The painter works in twips: a point is 20 of them.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 20))));
    font.setBold(label.bold);
    font.setItalic(label.italic);
    font.setUnderline(label.underline);
    return font;
}

Qt::Alignment alignmentOf(int16_t alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

Qt::PenStyle penStyleOf(int16_t borderStyle)
{
    switch (borderStyle) {
    case 2: return Qt::DashLine;
    case 3: return Qt::DotLine;
    case 4: return Qt::DashDotLine;
    case 5: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

// Hatching of fill styles 2-7 (horizontal, vertical, upward and downward diagonal, cross,
// diagonal cross), drawn as lines: pattern brushes keep the device's pixel spacing, which
// a 600 dpi page makes a grey smear.
void hatch(QPainter& painter, const QPainterPath& shape, int16_t fillStyle, const QColor& colour)
{
    const bool horizontal = fillStyle == 2 || fillStyle == 6;
    const bool vertical = fillStyle == 3 || fillStyle == 6;
    const bool upward = fillStyle == 4 || fillStyle == 7;
    const bool downward = fillStyle == 5 || fillStyle == 7;
    if (!horizontal && !vertical && !upward && !downward)
        return;
    constexpr qreal kSpacing = 8 * kTwipsPerPixel;
    const QRectF r = shape.boundingRect();
    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    painter.setPen(QPen(colour, kTwipsPerPixel));
    for (qreal y = r.top() + kSpacing / 2; horizontal && y < r.bottom(); y += kSpacing)
        painter.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    for (qreal x = r.left() + kSpacing / 2; vertical && x < r.right(); x += kSpacing)
        painter.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (qreal d = -r.height(); d < r.width(); d += kSpacing) {
        if (upward)
            painter.drawLine(QPointF(r.left() + d, r.bottom()),
                             QPointF(r.left() + d + r.height(), r.top()));
        if (downward)
            painter.drawLine(QPointF(r.left() + d, r.top()),
                             QPointF(r.left() + d + r.height(), r.bottom()));
    }
    painter.restore();
}

QString displayText(const std::string& value)
{
    QString text = QString::fromStdString(value);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

int recordSlotOfCaption(const std::string& caption)
{
    const size_t comma = caption.rfind(',');
    if (comma == std::string::npos)
        return 1;
    int slot = 0;
    bool digits = false;
    for (size_t i = comma + 1; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c >= '0' && c <= '9') {
            slot = std::min(slot * 10 + (c - '0'), kMaxRecordsPerPage);
            digits = true;
        } else if (c != ' ') {
            return 1;
        }
    }
    return digits ? std::clamp(slot, 1, kMaxRecordsPerPage) : 1;
}

ReportRenderer::ReportRenderer(const Report& layout, const AppData& data) : layout_(layout)
{
    for (const ReportLabel& label : layout_.labels) {
        if (!label.visible)
            continue;
        Label entry{&label, std::nullopt, 0};
        if (label.referenceCode != kPlainLabelRef) {
            entry.ref = InputRef::fromReferenceCode(label.referenceCode);
            entry.slot = recordSlotOfCaption(label.caption) - 1;
            recordsPerPage_ = std::max(recordsPerPage_, entry.slot + 1);
            if (entry.ref && std::find(refs_.begin(), refs_.end(), *entry.ref) == refs_.end())
                refs_.push_back(*entry.ref);
        }
        labels_.push_back(entry);
    }
    for (const ReportImage& image : layout_.images) {
        const int n = image.pictureNumber;
        if (!image.visible || n < 0 || n >= static_cast<int>(data.pictures.size()) ||
            images_.count(n))
            continue;
        const std::vector<uint8_t>& bytes = data.pictures[static_cast<size_t>(n)].bytes;
        QImage picture;
        if (!bytes.empty() && !picture.loadFromData(bytes.data(), static_cast<int>(bytes.size())))
            qCWarning(lcReport) << "picture" << n << "of a report cannot be read";
        images_.emplace(n, picture);
    }
}

int ReportRenderer::pageCount(std::size_t records) const
{
    if (records == 0)
        return 1;
    return static_cast<int>((records + static_cast<size_t>(recordsPerPage_) - 1) /
                            static_cast<size_t>(recordsPerPage_));
}

QPageLayout ReportRenderer::pageLayout() const
{
    // Paper sizes from a tenth of an inch to five metres are taken; others are damage.
    auto usable = [](float twips) {
        return std::isfinite(twips) && twips >= 144 && twips <= 283464;
    };
    QSizeF points(layout_.paperWidth / 20.0, layout_.paperHeight / 20.0);
    if (!usable(layout_.paperWidth) || !usable(layout_.paperHeight))
        points = QPageSize::size(QPageSize::A4, QPageSize::Point);
    const bool landscape = points.width() > points.height();
    if (landscape)
        points.transpose();
    return QPageLayout(QPageSize(points, QPageSize::Point),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

void ReportRenderer::paintSquare(QPainter& painter, const ReportSquare& s) const
{
    if (!finite({s.left, s.top, s.width, s.height}))
        return;
    QRectF rect(s.left, s.top, s.width, s.height);
    // Shapes 1, 3 and 5 are the square versions of 0, 2 and 4.
    if (s.shape == 1 || s.shape == 3 || s.shape == 5) {
        const qreal side = std::min(rect.width(), rect.height());
        rect = QRectF(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    }
    QPainterPath shape;
    if (s.shape == 2 || s.shape == 3)
        shape.addEllipse(rect);
    else if (s.shape == 4 || s.shape == 5)
        shape.addRoundedRect(rect, rect.width() / 8, rect.height() / 8);
    else
        shape.addRect(rect);
    // Fill style 0 is solid, 1 transparent, the others hatched.
    if (s.fillStyle == 0)
        painter.fillPath(shape, colourOf(s.fillColor));
    else
        hatch(painter, shape, s.fillStyle, colourOf(s.fillColor));
    if (s.borderStyle != 0) {
        painter.setPen(QPen(colourOf(s.borderColor),
                            std::clamp<int>(s.borderWidth, 1, 100) * kTwipsPerPixel,
                            penStyleOf(s.borderStyle)));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    }
}

void ReportRenderer::paintLine(QPainter& painter, const ReportLine& l) const
{
    if (!finite({l.x1, l.y1, l.x2, l.y2}))
        return;
    painter.setPen(QPen(colourOf(l.color), kTwipsPerPixel));
    painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
}

void ReportRenderer::paintImage(QPainter& painter, const ReportImage& image) const
{
    const auto found = images_.find(image.pictureNumber);
    if (found == images_.end() || found->second.isNull() ||
        !finite({image.left, image.top, image.width, image.height}))
        return;
    const QImage& picture = found->second;
    QRectF box(image.left, image.top, image.width, image.height);
    // Option 1 fills the box; any other keeps the picture's proportions inside it.
    if (image.imageOption != 1) {
        QSizeF size = picture.size();
        size.scale(box.size(), Qt::KeepAspectRatio);
        box = QRectF(box.center().x() - size.width() / 2, box.center().y() - size.height() / 2,
                     size.width(), size.height());
    }
    painter.drawImage(box, picture);
}

void ReportRenderer::paintLabel(QPainter& painter, const Label& entry,
                                const RecordRow* record) const
{
    const ReportLabel& label = *entry.label;
    if (!finite({label.left, label.top, label.width, label.height}))
        return;
    painter.setFont(fontOf(label));
    painter.setPen(colourOf(label.color));
    if (entry.ref && entry.ref->kind == InputKind::Checkbox) {
        if (!record)
            return;
        const qreal side = QFontMetricsF(painter.font()).ascent();
        const QRectF box(label.left, label.top + side * 0.15, side, side);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colourOf(label.color), kTwipsPerPixel));
        painter.drawRect(box);
        const std::string value = record->value(*entry.ref);
        if (!value.empty() && value != "0") {
            const QRectF inner = box.adjusted(side / 5, side / 5, -side / 5, -side / 5);
            painter.drawLine(inner.topLeft(), inner.bottomRight());
            painter.drawLine(inner.topRight(), inner.bottomLeft());
        }
        return;
    }
    QString text;
    if (!entry.ref) {
        if (label.referenceCode == kPlainLabelRef)
            text = displayText(label.caption);
    } else if (record) {
        text = displayText(record->value(*entry.ref));
    }
    if (text.isEmpty())
        return;
    const Qt::Alignment align = alignmentOf(label.alignment);
    // A label without a size of its own grows with its text, as an auto-sizing one does.
    if (label.autoSize || label.width <= 0 || label.height <= 0) {
        const QRectF needed = painter.boundingRect(QRectF(label.left, label.top, 0, 0),
                                                   Qt::AlignLeft | Qt::AlignTop, text);
        // The value of a one-line box sits in the middle of the box's height, as the
        // window shows it beside its title.
        const bool box = entry.ref && (entry.ref->kind == InputKind::Field ||
                                       entry.ref->kind == InputKind::Combo);
        const qreal height = box ? std::max<qreal>(needed.height(), label.height) : needed.height();
        painter.drawText(QRectF(label.left, label.top, needed.width(), height),
                         align | (box ? Qt::AlignVCenter : Qt::AlignTop), text);
        return;
    }
    const QRectF box(label.left, label.top, label.width, label.height);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.drawText(box, align | Qt::AlignTop | Qt::TextWordWrap, text);
    painter.restore();
}

void ReportRenderer::paintPage(QPainter& painter, const QRectF& paper,
                               const std::vector<const RecordRow*>& records) const
{
    const QSizeF twips = pageLayout().fullRectPoints().size() * 20;
    painter.save();
    painter.translate(paper.topLeft());
    painter.scale(paper.width() / twips.width(), paper.height() / twips.height());
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ReportSquare& square : layout_.squares) {
        if (square.visible)
            paintSquare(painter, square);
    }
    for (const ReportLine& line : layout_.lines) {
        if (line.visible)
            paintLine(painter, line);
    }
    for (const ReportImage& image : layout_.images) {
        if (image.visible)
            paintImage(painter, image);
    }
    for (const Label& label : labels_) {
        const size_t slot = static_cast<size_t>(label.slot);
        paintLabel(painter, label, slot < records.size() ? records[slot] : nullptr);
    }
    painter.restore();
}

bool ReportRenderer::render(QPagedPaintDevice& device, const RecordSet& records) const
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QSizeF points = pageLayout().fullRectPoints().size();
    const QRectF paper(0, 0, points.width() * device.logicalDpiX() / 72.0,
                       points.height() * device.logicalDpiY() / 72.0);
    std::vector<MemoryRecordSet::Record> page;
    bool first = true;
    auto flush = [&] {
        if (!first)
            device.newPage();
        first = false;
        std::vector<const RecordRow*> rows;
        for (const auto& record : page)
            rows.push_back(&record);
        paintPage(painter, paper, rows);
        page.clear();
    };
    records.forEach([&](const RecordRow& row) {
        MemoryRecordSet::Record& copy = page.emplace_back(row.id());
        for (const InputRef& ref : refs_)
            copy.set(ref, row.value(ref));
        if (static_cast<int>(page.size()) == recordsPerPage_)
            flush();
        return true;
    });
    if (!page.empty() || first)
        flush();
    return painter.end();
}

} // namespace qv::runtime
