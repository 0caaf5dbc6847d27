#include "controls/designpainter.h"

#include "controls/buttonlook.h"
#include "controls/checklook.h"
#include "controls/combolook.h"
#include "controls/objectlooks.h"
#include "controls/olecolor.h"
#include "document/projectdocument.h"
#include "document/units.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace qv::gui {

namespace {

constexpr qreal kComboHeight = 21;
constexpr qreal kCheckboxSize = 17;

qreal px(float twips)
{
    return twipsToPixels(twips);
}

QFont fontOf(const std::string& name, float size, bool bold, bool italic, bool underline = false)
{
    return fontOfRecord(name, size, bold, italic, underline);
}

QColor ole(int32_t value)
{
    return colorOfRecord(value);
}

template <class T> bool shown(const T& object)
{
    const int page = pageOf(object);
    return page != kDeletedPage && page != kParkedPage;
}

Qt::Alignment alignmentOf(int16_t alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

// A text box: sunken edge when it has a 3-D look or a border, else the flat frame.
void paintTextBox(QPainter& painter, const QRectF& rect, bool framed, int32_t frameBorder,
                  int32_t back)
{
    painter.setPen(framed ? QPen(ole(frameBorder)) : QPen(QColor(128, 128, 128)));
    painter.setBrush(ole(back));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

} // namespace

QRectF DesignPainter::bounds(ObjectKind kind, int index) const
{
    const ProjectDocument& d = document_;
    switch (kind) {
    case ObjectKind::Title: {
        const Title& t = d.titles[index];
        if (!shown(t))
            return {};
        return {QPointF(px(t.left), px(t.top)), titleSize(index, titleCaption(index))};
    }
    case ObjectKind::Field: {
        const Field& f = d.fields[index];
        return shown(f) ? QRectF(px(f.left), px(f.top), px(f.width), px(f.height)) : QRectF();
    }
    case ObjectKind::Notes: {
        const Notes& n = d.notes[index];
        return shown(n) ? QRectF(px(n.left), px(n.top), px(n.width), px(n.height)) : QRectF();
    }
    case ObjectKind::Combo: {
        const Combo& c = d.combos[index];
        return shown(c) ? QRectF(px(c.left), px(c.top), px(c.width), kComboHeight) : QRectF();
    }
    case ObjectKind::Picture: {
        const Picture& p = d.pictures[index];
        return shown(p) ? QRectF(px(p.left), px(p.top), px(p.width), px(p.height)) : QRectF();
    }
    case ObjectKind::Checkbox: {
        const Checkbox& c = d.checkboxes[index];
        const qreal width =
            c.optionBx != 0 ? 3 * (kCheckboxSize + 200.0 / kTwipsPerPixel) : kCheckboxSize;
        return shown(c) ? QRectF(px(c.left), px(c.top), width, kCheckboxSize) : QRectF();
    }
    case ObjectKind::Square: {
        const Square& s = d.squares[index];
        return shown(s) ? QRectF(px(s.left), px(s.top), px(s.width), px(s.height)) : QRectF();
    }
    case ObjectKind::Line: {
        const Line& l = d.lines[index];
        if (!shown(l))
            return {};
        return QRectF(QPointF(px(l.x1), px(l.y1)), QPointF(px(l.x2), px(l.y2)))
            .normalized()
            .adjusted(-1, -1, 1, 1);
    }
    case ObjectKind::Button: {
        const Button& b = d.buttons[index];
        return shown(b) ? QRectF(px(b.left), px(b.top), px(b.width), px(b.height)) : QRectF();
    }
    case ObjectKind::Script: {
        const Script& s = d.scripts[index];
        return shown(s) ? QRectF(px(s.left), px(s.top), px(s.width), px(s.height)) : QRectF();
    }
    }
    return {};
}

void DesignPainter::paint(QPainter& painter, ObjectKind kind, int index) const
{
    painter.save();
    switch (kind) {
    case ObjectKind::Title: paintTitle(painter, index); break;
    case ObjectKind::Field: paintField(painter, index); break;
    case ObjectKind::Notes: paintNotes(painter, index); break;
    case ObjectKind::Combo: paintCombo(painter, index); break;
    case ObjectKind::Picture: paintPicture(painter, index); break;
    case ObjectKind::Checkbox: paintCheckbox(painter, index); break;
    case ObjectKind::Square: paintSquare(painter, index); break;
    case ObjectKind::Line: paintLine(painter, index); break;
    case ObjectKind::Button: paintButton(painter, index); break;
    case ObjectKind::Script: paintScript(painter, index); break;
    }
    painter.restore();
}

void DesignPainter::paintTitle(QPainter& painter, int index) const
{
    const Title& t = document_.titles[index];
    painter.setFont(fontOf(t.fontName, t.fontSize, t.fontBold, t.fontItalic, t.fontUnderline));
    painter.setPen(ole(index == highlightedTitle_ ? highlightColour_ : t.foreColor));
    painter.drawText(bounds(ObjectKind::Title, index), Qt::AlignLeft | Qt::AlignTop,
                     titleCaption(index));
}

QSizeF DesignPainter::titleSize(int index, const QString& caption) const
{
    const Title& t = document_.titles[index];
    std::string key = t.fontName;
    key += '\x1f';
    key += std::to_string(t.fontSize);
    key += static_cast<char>('0' + (t.fontBold ? 1 : 0) + (t.fontItalic ? 2 : 0));
    key += caption.toStdString();
    if (const auto found = titleSizes_.find(key); found != titleSizes_.end())
        return found->second;
    const QFontMetricsF metrics(fontOf(t.fontName, t.fontSize, t.fontBold, t.fontItalic));
    const QSizeF size(metrics.horizontalAdvance(caption) + 2, metrics.height());
    constexpr size_t kMostSizes = 50000;
    if (titleSizes_.size() >= kMostSizes)
        titleSizes_.clear();
    titleSizes_.emplace(std::move(key), size);
    return size;
}

QString DesignPainter::titleCaption(int index) const
{
    if (const auto live = liveCaptions_.find(index); live != liveCaptions_.end())
        return live->second;
    return QString::fromStdString(document_.titles[index].caption);
}

void DesignPainter::setLiveCaption(int titleIndex, const QString& caption)
{
    if (caption.isNull())
        liveCaptions_.erase(titleIndex);
    else
        liveCaptions_[titleIndex] = caption;
}

void DesignPainter::setHighlightedTitle(int titleIndex, int32_t colour)
{
    highlightedTitle_ = titleIndex;
    highlightColour_ = colour;
}

void DesignPainter::paintField(QPainter& painter, int index) const
{
    const Field& f = document_.fields[index];
    const QRectF rect = bounds(ObjectKind::Field, index);
    paintTextBox(painter, rect, f.framed(), f.frameBorderColor, f.backColor);
    painter.setFont(fontOf(f.fontName, f.fontSize, f.fontBold, f.fontItalic));
    painter.setPen(ole(f.foreColor));
    painter.drawText(rect.adjusted(3, 1, -3, -1), alignmentOf(f.alignment) | Qt::AlignVCenter,
                     QString::fromStdString(f.text));
}

void DesignPainter::paintNotes(QPainter& painter, int index) const
{
    const Notes& n = document_.notes[index];
    const QRectF rect = bounds(ObjectKind::Notes, index);
    paintTextBox(painter, rect, n.framed(), n.frameBorderColor, n.backColor);
}

void DesignPainter::paintCombo(QPainter& painter, int index) const
{
    const Combo& c = document_.combos[index];
    const QString text =
        c.listItems.empty() ? QString() : QString::fromStdString(c.listItems.front());
    paintComboBorder(painter, lookOf(c, text), bounds(ObjectKind::Combo, index).toRect());
}

void DesignPainter::paintPicture(QPainter& painter, int index) const
{
    const Picture& p = document_.pictures[index];
    const QRectF rect = bounds(ObjectKind::Picture, index);
    // A picture draws the bytes read when it was opened, placed or pasted; painting never
    // opens a path, which could name a pipe or a device by now.
    QImage image;
    if (p.imageBytes)
        image.loadFromData(p.imageBytes->data(), static_cast<int>(p.imageBytes->size()));
    if (image.isNull()) {
        painter.setPen(QPen(QColor(128, 128, 128), 1, Qt::DashLine));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        return;
    }
    if (p.stretch)
        painter.drawImage(rect, image);
    else
        painter.drawImage(rect.topLeft(), image, QRectF(0, 0, rect.width(), rect.height()));
    if (p.borderStyle != 0) {
        painter.setPen(Qt::black);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void DesignPainter::paintCheckbox(QPainter& painter, int index) const
{
    const Checkbox& c = document_.checkboxes[index];
    paintNewCheck(painter, lookOf(c, c.checkState), bounds(ObjectKind::Checkbox, index).toRect());
}

void DesignPainter::paintSquare(QPainter& painter, int index) const
{
    const Square& s = document_.squares[index];
    QRectF rect = bounds(ObjectKind::Square, index);
    // Shapes 1, 3 and 5 are the square versions of 0, 2 and 4.
    if (s.shape == 1 || s.shape == 3 || s.shape == 5) {
        const qreal side = std::min(rect.width(), rect.height());
        rect = QRectF(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    }
    painter.setRenderHint(QPainter::Antialiasing, s.shape >= 2);
    QPen pen(ole(s.borderColor), std::max<int>(1, s.borderWidth));
    if (s.borderStyle == 0)
        pen = Qt::NoPen;
    else if (s.borderStyle == 2)
        pen.setStyle(Qt::DashLine);
    else if (s.borderStyle == 3)
        pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(s.fillStyle == 1 ? QBrush(Qt::NoBrush) : QBrush(ole(s.fillColor)));
    const QRectF inner = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    if (s.shape == 2 || s.shape == 3)
        painter.drawEllipse(inner);
    else if (s.shape == 4 || s.shape == 5)
        painter.drawRoundedRect(inner, inner.width() / 8, inner.height() / 8);
    else
        painter.drawRect(inner);
}

void DesignPainter::paintLine(QPainter& painter, int index) const
{
    const Line& l = document_.lines[index];
    painter.setPen(QPen(ole(l.borderColor), 1));
    painter.drawLine(QPointF(px(l.x1), px(l.y1)), QPointF(px(l.x2), px(l.y2)));
}

void DesignPainter::paintButton(QPainter& painter, int index) const
{
    paintSuperButton(painter, lookOf(document_.buttons[index]),
                     bounds(ObjectKind::Button, index).toRect());
}

void DesignPainter::paintScript(QPainter& painter, int index) const
{
    // A web-script block shows only in the exported page; the canvas marks its place.
    const QRectF rect = bounds(ObjectKind::Script, index);
    painter.setPen(QPen(QColor(0, 96, 160), 1, Qt::DashLine));
    painter.setBrush(QColor(230, 240, 250, 160));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(0, 96, 160));
    painter.drawText(rect, Qt::AlignCenter, QStringLiteral("</>"));
}

} // namespace qv::gui
