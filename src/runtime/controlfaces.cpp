#include "controlfaces.h"

#include "controls/objectlooks.h"
#include "controls/scrollgeometry.h"
#include "document/objectrecords.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace qv::runtime {

namespace {

// QLineEdit's own room around its text, and the calendar button's place (a trailing
// action of QLineEdit: a small icon in a button of icon size + 6 by icon size + 2, a
// quarter icon from the edge).
constexpr int kLineHorizontalMargin = 2;
constexpr int kIconSize = 16;
constexpr int kSideMargin = kIconSize / 4;
constexpr int kSideWidth = kIconSize + 6;
constexpr int kSideHeight = kIconSize + 2;

// QPlainTextEdit's document keeps this much room around its text.
constexpr qreal kDocumentMargin = 4;

// Text a line edit shows: control characters and separators as spaces.
QString shownLine(QString text)
{
    for (QChar& c : text) {
        if ((c.unicode() < 0x20 && c.unicode() != 0x09) || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter)
            c = QLatin1Char(' ');
    }
    return text;
}

// The lines of a plain-text memo laid out `width` wide, as QPlainTextEdit lays them out.
struct MemoLayout {
    std::vector<std::unique_ptr<QTextLayout>> blocks;
    std::vector<qreal> blockHeights;
    int lineCount = 0;
};

MemoLayout layoutMemo(const QString& text, const QFont& font, qreal width)
{
    MemoLayout memo;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const qreal available = width - 2 * kDocumentMargin;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        auto layout = std::make_unique<QTextLayout>(paragraph, font);
        layout->setTextOption(option);
        layout->beginLayout();
        qreal height = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(available);
            line.setPosition(QPointF(kDocumentMargin, height));
            height += line.height();
            if (line.leading() < 0)
                height += std::ceil(line.leading());
            ++memo.lineCount;
        }
        layout->endLayout();
        memo.blockHeights.push_back(layout->boundingRect().bottom());
        memo.blocks.push_back(std::move(layout));
    }
    return memo;
}

// How many lines show from the bottom of a memo `visible` high: the page step of its
// scroll bar, as QPlainTextEdit counts it.
int linesShownFromBottom(const MemoLayout& memo, qreal visible)
{
    qreal y = 0;
    int shown = 0;
    for (size_t b = memo.blocks.size(); b-- > 0;) {
        y += memo.blockHeights[b] + (b + 1 == memo.blocks.size() ? kDocumentMargin : 0);
        const QTextLayout& layout = *memo.blocks[b];
        const int lines = layout.lineCount();
        if (y > visible) {
            int line = 0;
            while (lines > line && y > visible) {
                y -= layout.lineAt(line).height();
                ++line;
            }
            return shown + (lines - line);
        }
        shown += lines;
    }
    return shown;
}

// Draws `paint` into a pixmap of `size` kept under `key`, and that pixmap at `at`.
template <class Paint>
void paintCached(QPainter& painter, QString key, const QRect& rect, Paint paint)
{
    if (rect.isEmpty())
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    key += QStringLiteral("|%1x%2@%3").arg(rect.width()).arg(rect.height()).arg(ratio);
    QPixmap face;
    if (!QPixmapCache::find(key, &face)) {
        face = QPixmap(rect.size() * ratio);
        face.setDevicePixelRatio(ratio);
        face.fill(Qt::transparent);
        QPainter into(&face);
        paint(into, QRect(QPoint(0, 0), rect.size()));
        into.end();
        QPixmapCache::insert(key, face);
    }
    painter.drawPixmap(rect.topLeft(), face);
}

QString colorKey(const QColor& color)
{
    return QString::number(color.rgba(), 16);
}

} // namespace

Qt::Alignment fieldAlignment(int16_t alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight;
    case 2: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

const QPixmap& calendarPixmap()
{
    static const QPixmap pixmap = [] {
        QPixmap page(kIconSize, kIconSize);
        page.fill(Qt::transparent);
        QPainter painter(&page);
        painter.setPen(QColor(60, 60, 60));
        painter.setBrush(Qt::white);
        painter.drawRect(1, 2, 13, 12);
        painter.fillRect(2, 3, 12, 3, QColor(200, 60, 60));
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 3; ++col)
                painter.fillRect(3 + col * 4, 8 + row * 3, 2, 2, QColor(60, 60, 60));
        return page;
    }();
    return pixmap;
}

QRect comboButtonRect(const QRect& control, int border)
{
    const int width = gui::comboBorderWidth(border);
    const QRect inner = QRect(QPoint(0, 0), control.size()).adjusted(width, width, -width, -width);
    const int button = std::min(gui::kScrollArrow, inner.width() / 2);
    return {inner.right() - button + 1, inner.top(), button, inner.height()};
}

QMargins comboTextMargins(const QRect& control, int border)
{
    // The text stands where the combo control writes it: QLineEdit adds its own margin.
    const int width = gui::comboBorderWidth(border);
    return {width + 3 - kLineHorizontalMargin, 0,
            comboButtonRect(control, border).width() + 2 + width - kLineHorizontalMargin, 0};
}

void paintLineText(QPainter& painter, const QRect& contents, const QFont& font, const QColor& color,
                   Qt::Alignment alignment, const QString& text)
{
    if (text.isEmpty())
        return;
    const QString shown = shownLine(text);
    const QFontMetrics metrics(font);
    const int height = std::max(metrics.boundingRect(shown).height(), metrics.height());
    // Centred as QLineEdit centres its line, in whole pixels.
    const int top = contents.y() + (contents.height() - height + 1) / 2;
    const QRect line(contents.x() + kLineHorizontalMargin, top,
                     contents.width() - 2 * kLineHorizontalMargin, height);
    QTextLayout layout(shown, font);
    QTextOption option = layout.textOption();
    option.setTextDirection(Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine first = layout.createLine();
    layout.endLayout();
    const int ascent = static_cast<int>(std::lround(first.ascent()));
    const int used = static_cast<int>(std::lround(first.naturalTextWidth())) + 1;
    // A text wider than the line shows its start, where the caret of a shown value is.
    int scroll = 0;
    if (used <= line.width()) {
        if (alignment & Qt::AlignRight)
            scroll = used - line.width() + 1;
        else if (alignment & Qt::AlignHCenter)
            scroll = (used - line.width()) / 2;
    }
    painter.save();
    painter.setClipRect(contents, Qt::IntersectClip);
    painter.setPen(color);
    layout.draw(&painter, line.topLeft() - QPoint(scroll, ascent - metrics.ascent()));
    painter.restore();
}

void paintFieldFace(QPainter& painter, const Field& field, const QRect& control,
                    const QString& text, bool calendar)
{
    QRect contents = control;
    if (calendar) {
        contents.setRight(contents.right() - (kSideMargin + kSideWidth));
        const QRect button(control.x() + control.width() - kSideWidth - kSideMargin,
                           control.y() + (control.height() - kSideHeight) / 2, kSideWidth,
                           kSideHeight);
        QRect icon(0, 0, kIconSize, kIconSize);
        icon.moveCenter(button.center());
        painter.drawPixmap(icon, calendarPixmap());
    }
    paintLineText(
        painter, contents,
        gui::fontOfRecord(field.fontName, field.fontSize, field.fontBold, field.fontItalic),
        gui::colorOfRecord(field.foreColor), fieldAlignment(field.alignment), text);
}

void paintNotesFace(QPainter& painter, const Notes& notes, const QRect& control,
                    const QString& text)
{
    if (text.isEmpty())
        return;
    const QFont font =
        gui::fontOfRecord(notes.fontName, notes.fontSize, notes.fontBold, notes.fontItalic);
    QStyle* style = QApplication::style();
    MemoLayout memo = layoutMemo(text, font, control.width());
    // A memo longer than its box gets a scroll bar, and its lines wrap beside it.
    const qreal visible = control.height() - kDocumentMargin - 1;
    int shown = linesShownFromBottom(memo, visible);
    int width = control.width();
    if (memo.lineCount > shown) {
        width -= style->pixelMetric(QStyle::PM_ScrollBarExtent);
        memo = layoutMemo(text, font, width);
        shown = linesShownFromBottom(memo, visible);
    }
    painter.save();
    painter.setClipRect(QRect(control.topLeft(), QSize(width, control.height())),
                        Qt::IntersectClip);
    painter.setPen(gui::colorOfRecord(notes.foreColor));
    QPointF offset(control.x(), control.y() + kDocumentMargin);
    for (size_t b = 0; b < memo.blocks.size() && offset.y() <= control.bottom(); ++b) {
        memo.blocks[b]->draw(&painter, offset);
        offset.ry() += memo.blockHeights[b];
    }
    painter.restore();
    if (memo.lineCount > shown) {
        QStyleOptionSlider bar;
        // The palette the memo gives its scroll bar.
        bar.palette = QApplication::palette();
        bar.palette.setColor(QPalette::Base, Qt::transparent);
        bar.palette.setColor(QPalette::Text, gui::colorOfRecord(notes.foreColor));
        bar.state = QStyle::State_Enabled;
        bar.orientation = Qt::Vertical;
        bar.rect =
            QRect(control.x() + width, control.y(), control.width() - width, control.height());
        bar.minimum = 0;
        bar.maximum = memo.lineCount - shown;
        bar.pageStep = shown;
        bar.singleStep = 1;
        bar.subControls = QStyle::SC_All;
        painter.save();
        painter.setClipRect(bar.rect, Qt::IntersectClip);
        painter.translate(bar.rect.topLeft());
        bar.rect.moveTo(0, 0);
        style->drawComplexControl(QStyle::CC_ScrollBar, &bar, &painter);
        painter.restore();
    }
}

void paintButtonLook(QPainter& painter, const gui::ButtonLook& look, const QRect& rect)
{
    const QString key =
        QStringLiteral("qv-button|%1|%2|%3|%4|%5|%6|%7%8%9")
            .arg(look.caption, colorKey(look.backColor), colorKey(look.renderColor),
                 look.font.key(), QString::number(look.border),
                 QString::number(look.image.cacheKey()), QString::number(int(look.enabled)),
                 QString::number(int(look.hot)), QString::number(int(look.pressed)));
    paintCached(painter, key, rect, [&look](QPainter& into, const QRect& area) {
        gui::paintSuperButton(into, look, area);
    });
}

void paintComboLook(QPainter& painter, const gui::ComboLook& look, const QRect& rect)
{
    const QString key =
        QStringLiteral("qv-combo|%1|%2|%3|%4|%5|%6|%7%8")
            .arg(look.text, colorKey(look.backColor), colorKey(look.foreColor), look.font.key(),
                 QString::number(look.border), QString::number(look.backStyle),
                 QString::number(int(look.enabled)), QString::number(int(look.drawContent)));
    paintCached(painter, key, rect, [&look](QPainter& into, const QRect& area) {
        gui::paintComboBorder(into, look, area);
    });
}

void paintComboFace(QPainter& painter, const Combo& combo, const QRect& control,
                    const QString& text, bool enabled)
{
    gui::ComboLook look = gui::lookOf(combo, QString());
    look.enabled = enabled;
    paintComboLook(painter, look, control);
    paintLineText(painter, control.marginsRemoved(comboTextMargins(control, look.border)),
                  look.font, look.foreColor, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void paintCheckboxFace(QPainter& painter, const Checkbox& checkbox, const QRect& control, int value,
                       bool enabled)
{
    gui::CheckLook look = gui::lookOf(checkbox, value);
    look.enabled = enabled;
    gui::paintNewCheck(painter, look, control);
}

void paintButtonFace(QPainter& painter, const Button& button, const QRect& control)
{
    paintButtonLook(painter, gui::lookOf(button), control);
}

} // namespace qv::runtime
