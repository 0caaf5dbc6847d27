#include "controls/markuppainter.h"

#include "formula/markup.h"

#include <algorithm>
#include <cmath>
#include <QFontMetricsF>
#include <QPainter>

namespace qv::gui {

namespace {

// The codes EncodeMarkup gives the tags.
enum Code : char16_t {
    BoldOn = 1,
    ItalicOn = 2,
    UnderlineOn = 3,
    BigOn = 4,
    SmallOn = 5,
    BoldOff = 6,
    ItalicOff = 7,
    UnderlineOff = 8,
    BigOff = 9,
    SmallOff = 10,
    Blue = 11,
    Green = 12,
    LineBreak = 13,
    Red = 14,
    Black = 15,
    Magenta = 16,
    Yellow = 17,
    Cyan = 18,
    Rule = 19,
    LinkOn = 20,
    LinkOff = 21,
};

constexpr double kSizeStep = 1.5;
constexpr double kSmallestShrink = 6.0; // "<small>" does nothing at this size or below
constexpr int kRuleSpace = 5;

class MarkupWriter {
public:
    MarkupWriter(QPainter* painter, QPaintDevice* device, QRect surface, int offset,
                 const QString& family)
        : m_painter(painter), m_device(device), m_surface(surface)
    {
        m_font.setFamily(family);
        m_font.setPointSizeF(kMarkupStartSize);
        m_x = surface.left();
        m_y = surface.top() - offset;
        m_top = m_y;
        m_offset = offset;
        updateFont();
    }

    void setBold(bool on)
    {
        changeFont([on](QFont& f) { f.setBold(on); });
    }
    void setItalic(bool on)
    {
        changeFont([on](QFont& f) { f.setItalic(on); });
    }
    void setUnderline(bool on)
    {
        changeFont([on](QFont& f) { f.setUnderline(on); });
    }
    void grow() { resize(m_size + kSizeStep); }
    void shrink() { resize(m_size - kSizeStep); }
    void shrinkAboveSix()
    {
        if (m_size > kSmallestShrink)
            shrink();
    }
    void setColor(QColor color)
    {
        flush();
        m_color = color;
    }

    void rule()
    {
        flush();
        m_y += kRuleSpace;
        if (m_painter) {
            m_painter->setPen(QPen(Qt::black, 1.0));
            m_painter->drawLine(QPointF(m_x, m_y + 0.5), QPointF(m_surface.right() + 1, m_y + 0.5));
        }
        m_y += kRuleSpace;
    }

    void lineBreak()
    {
        flush();
        m_x = m_surface.left();
        m_y += std::max(m_lineHeight, m_metrics.height());
        m_lineHeight = 0;
        ++m_lines;
    }

    void add(QChar c) { m_run += c; }

    // Where the next character goes and how high an H of the current font is, in the text's
    // own coordinates.
    double x()
    {
        flush();
        return m_x;
    }
    double textY() const { return m_y + m_offset; }
    double heightOfH() const { return m_metrics.height(); }

    MarkupResult finish()
    {
        flush();
        MarkupResult result;
        result.lineCount = m_lines;
        const double bottom = m_y + std::max(m_lineHeight, m_metrics.height());
        result.height = int(std::ceil(bottom - m_top));
        return result;
    }

private:
    template <typename Change> void changeFont(Change change)
    {
        flush();
        change(m_font);
        updateFont();
    }

    void resize(double size)
    {
        flush();
        m_size = size;
        // The size may run below zero when closing tags outnumber opening ones; the face
        // then stays at its smallest.
        m_font.setPointSizeF(std::max(1.0, m_size));
        updateFont();
    }

    void updateFont() { m_metrics = QFontMetricsF(m_font, m_device); }

    void flush()
    {
        if (m_run.isEmpty())
            return;
        if (m_painter && m_y < m_surface.bottom() + 1 &&
            m_y + m_metrics.height() > m_surface.top()) {
            m_painter->setFont(m_font);
            m_painter->setPen(m_color);
            m_painter->drawText(QPointF(m_x, m_y + m_metrics.ascent()), m_run);
        }
        m_x += m_metrics.horizontalAdvance(m_run);
        m_lineHeight = std::max(m_lineHeight, m_metrics.height());
        m_run.clear();
    }

    QPainter* m_painter;
    QPaintDevice* m_device;
    QRect m_surface;
    QFont m_font;
    QFontMetricsF m_metrics{QFont()};
    double m_size = kMarkupStartSize;
    QColor m_color = Qt::black;
    QString m_run;
    double m_x = 0;
    double m_y = 0;
    double m_top = 0;
    int m_offset = 0;
    double m_lineHeight = 0; // tallest font drawn on the current line
    int m_lines = 1;
};

QString linkText(const QString& encoded, qsizetype from, qsizetype to)
{
    QString text;
    for (qsizetype i = from; i < to; ++i)
        if (encoded.at(i).unicode() >= 32)
            text += encoded.at(i);
    return text;
}

} // namespace

MarkupResult paintMarkup(QPainter* painter, QPaintDevice* device, const QString& encoded,
                         QRect surface, int offset, MarkupPass pass, const QString& family)
{
    if (painter) {
        painter->save();
        painter->setClipRect(surface, Qt::IntersectClip);
    }
    MarkupWriter out(painter, device, surface, offset, family);
    std::vector<MarkupLink> links;
    qsizetype linkFrom = -1;
    const bool scrolled = pass == MarkupPass::Scrolled;
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char16_t code = encoded.at(i).unicode();
        switch (code) {
        case BoldOn: out.setBold(true); break;
        case ItalicOn: out.setItalic(true); break;
        case UnderlineOn: out.setUnderline(true); break;
        case BigOn: out.grow(); break;
        case SmallOn: out.shrinkAboveSix(); break;
        case BoldOff: out.setBold(false); break;
        case ItalicOff: out.setItalic(false); break;
        case UnderlineOff: out.setUnderline(false); break;
        case BigOff:
            if (scrolled)
                out.shrinkAboveSix();
            else
                out.shrink();
            break;
        case SmallOff: out.grow(); break;
        case Blue: out.setColor(QColor(0, 0, 255)); break;
        case Green: out.setColor(QColor(0, 255, 0)); break;
        case Red: out.setColor(QColor(255, 0, 0)); break;
        case Black: out.setColor(QColor(0, 0, 0)); break;
        case Magenta: out.setColor(QColor(255, 0, 255)); break;
        case Yellow: out.setColor(QColor(255, 255, 0)); break;
        case Cyan: out.setColor(QColor(0, 255, 255)); break;
        case Rule: out.rule(); break;
        case LineBreak: out.lineBreak(); break;
        case LinkOn: {
            MarkupLink link;
            link.left = int(out.x());
            link.top = int(out.textY());
            links.push_back(link);
            linkFrom = i + 1;
            break;
        }
        case LinkOff:
            if (linkFrom >= 0 && !links.empty()) {
                MarkupLink& link = links.back();
                link.text = linkText(encoded, linkFrom, i);
                link.right = int(out.x());
                link.bottom = int(out.textY() + out.heightOfH());
                linkFrom = -1;
            }
            break;
        default:
            // Other control characters have no glyph worth drawing.
            if (code >= 32)
                out.add(encoded.at(i));
            break;
        }
    }
    MarkupResult result = out.finish();
    result.links = std::move(links);
    if (painter)
        painter->restore();
    return result;
}

QString encodeMarkupText(const QString& source)
{
    return QString::fromStdString(qv::EncodeMarkup(source.toStdString()));
}

} // namespace qv::gui
