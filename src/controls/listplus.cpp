#include "controls/listplus.h"

#include "controls/olecolor.h"
#include "controls/realhscroll.h"
#include "controls/realvscroll.h"
#include "controls/scrollgeometry.h"

#include <algorithm>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace qv::gui {

ListPlus::ListPlus(QWidget* parent)
    : EventControl(parent), m_sbar(new RealvScroll(this)), m_hscroll(new RealhScroll(this))
{
    m_sbar->setObjectName(QStringLiteral("sbar"));
    m_hscroll->setObjectName(QStringLiteral("HScroll1"));
    m_sbar->setFocusPolicy(Qt::NoFocus);
    m_hscroll->setFocusPolicy(Qt::NoFocus);
    m_look.backColor = colorFromOle(kOleButtonFace);
    m_look.font = font();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_sbar, &RealvScroll::change, this, [this] { update(); });
    connect(m_hscroll, &RealhScroll::change, this, [this] { update(); });
    relayout();
}

ListPlus::~ListPlus() = default;

QRect ListPlus::surface() const
{
    return QRect(0, 0, std::max(0, width() - kScrollArrow), std::max(0, height() - kScrollArrow));
}

void ListPlus::AddArray(const QStringList& rows)
{
    m_rows.clear();
    m_rows.reserve(std::size_t(rows.size()));
    for (const QString& text : rows)
        m_rows.push_back(parseListRow(text));
    resetRows();
}

void ListPlus::setRows(std::vector<ListRow> rows)
{
    m_rows = std::move(rows);
    resetRows();
}

void ListPlus::setOrder(std::vector<int> order)
{
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (sorted[i] != int(i))
            return;
    }
    if (sorted.size() != m_rows.size())
        return;
    m_order = std::move(order);
    update();
}

void ListPlus::setCurrentRow(int row)
{
    if (row < -1 || row >= rowCount())
        return;
    m_currentRow = row;
    m_look.highlightCurrent = row >= 0;
    if (row >= 0) {
        const int position = positionOfRow(row);
        if (position < m_sbar->value())
            m_sbar->setValue(position);
        else if (m_rowsPerPage > 0 && position >= m_sbar->value() + m_rowsPerPage)
            m_sbar->setValue(std::max(0, position - m_rowsPerPage + 1));
    }
    update();
}

std::vector<int> ListPlus::selectedRows() const
{
    std::vector<int> rows;
    for (int row : m_order) {
        if (m_rows[std::size_t(row)].selected)
            rows.push_back(row);
    }
    return rows;
}

int ListPlus::positionOfRow(int row) const
{
    const auto found = std::find(m_order.begin(), m_order.end(), row);
    return found == m_order.end() ? -1 : int(found - m_order.begin());
}

int ListPlus::headerAt(int x) const
{
    const int at = x + m_hscroll->value();
    if (at < m_look.starts[0])
        return 0;
    for (int k = 1; k <= m_look.columns; ++k) {
        if (at < m_look.starts[std::size_t(k)])
            return k;
    }
    return -1;
}

void ListPlus::resetRows()
{
    m_order.resize(m_rows.size());
    for (std::size_t i = 0; i < m_order.size(); ++i)
        m_order[i] = int(i);
    // The old current row means nothing in the new rows.
    m_currentRow = -1;
    m_look.highlightCurrent = false;
    m_sbar->setValue(0);
    relayout();
}

void ListPlus::NameButton(int index, const QString& caption)
{
    if (index < 0 || index > kListColumns)
        return;
    m_look.headers[std::size_t(index)] = caption;
    update();
}

void ListPlus::setMaxWidth(int width)
{
    const int range = qint16(width - surface().width());
    m_maxWidthRange = range < 0 ? 60 : range;
    relayout();
}

void ListPlus::setCSelect(int columns)
{
    m_look.columns = std::clamp(columns, 1, kListColumns);
    relayout();
}

void ListPlus::setBackGroundColor(const QColor& color)
{
    m_look.backColor = color;
    update();
}

void ListPlus::setForeColor(const QColor& color)
{
    m_look.foreColor = color;
    update();
}

void ListPlus::setBorderType(int type)
{
    m_look.borderType = type;
    update();
}

void ListPlus::setFontName(const QString& family)
{
    m_look.font.setFamily(family);
    relayout();
}

void ListPlus::setFontSize(int points)
{
    if (points > 0)
        m_look.font.setPointSize(points);
    relayout();
}

void ListPlus::setFontItalic(bool on)
{
    m_look.font.setItalic(on);
    update();
}

void ListPlus::setFontUnderline(bool on)
{
    m_look.font.setUnderline(on);
    update();
}

void ListPlus::setFontStrikethru(bool on)
{
    m_look.font.setStrikeOut(on);
    update();
}

bool ListPlus::isHighlighted(int index) const
{
    return isSelected(index) || (index == m_currentRow && m_look.highlightCurrent);
}

void ListPlus::placeBars()
{
    const QRect area = surface();
    m_sbar->setGeometry(area.width(), 0, kScrollArrow, area.height());
    m_hscroll->setGeometry(0, area.height(), area.width(), kScrollArrow);
}

void ListPlus::relayout()
{
    placeBars();
    const ListColumnLayout layout =
        layoutListColumns(m_look.font, m_look.columns, surface().width());
    m_look.starts = layout.starts;
    const int range = std::max(m_maxWidthRange, layout.neededScroll);
    m_hscroll->setValueMax(range);
    m_hscroll->setValueLargeChange(std::max(1, surface().width() / 2));
    m_hscroll->setValueSmallChange(10);
    m_hscroll->setEnabled(range > 0);
    ReSizeFont();
}

void ListPlus::ReSizeFont()
{
    m_look.rowHeight = std::max(1, QFontMetrics(m_look.font).lineSpacing());
    m_rowsPerPage = std::max(0, (surface().height() - kListHeaderHeight) / m_look.rowHeight);
    const int highest = rowCount() - 1;
    if (highest <= m_rowsPerPage) {
        m_sbar->setValueMax(0);
        m_sbar->setEnabled(false);
    } else {
        m_sbar->setValueMax(highest - m_rowsPerPage);
        m_sbar->setValueLargeChange(std::max(1, m_rowsPerPage));
        m_sbar->setEnabled(true);
    }
    update();
}

ListLook ListPlus::look() const
{
    ListLook result = m_look;
    result.rows = m_rows;
    result.order = m_order;
    result.firstPosition = m_sbar->value();
    result.horizontalScroll = m_hscroll->value();
    result.currentRow = m_currentRow;
    result.enabled = isEnabled();
    return result;
}

void ListPlus::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintListPlus(painter, look(), surface());
    // The corner between the two bars.
    painter.fillRect(QRect(surface().width(), surface().height(), kScrollArrow, kScrollArrow),
                     QColor(0xF0, 0xF0, 0xF0));
}

void ListPlus::resizeEvent(QResizeEvent*)
{
    relayout();
}

void ListPlus::mousePressEvent(QMouseEvent* event)
{
    m_resizing = m_armed >= 0 && event->button() == Qt::LeftButton;
    EventControl::mousePressEvent(event);
}

void ListPlus::mouseMoveEvent(QMouseEvent* event)
{
    const int x = int(event->position().x());
    const int scroll = m_hscroll->value();
    const int columns = m_look.columns;
    if (event->buttons() == Qt::NoButton) {
        // The grip of a boundary lies 5 to 15 units to its left.
        m_armed = -1;
        for (int k = 0; k <= columns; ++k) {
            const int boundary = m_look.starts[std::size_t(k)] - scroll;
            if (x >= boundary - 15 && x <= boundary - 5) {
                m_armed = k;
                break;
            }
        }
        if (m_armed >= 0)
            setCursor(Qt::SizeHorCursor);
        else
            unsetCursor();
    } else if (m_resizing && m_armed >= 0) {
        const int previous = m_armed == 0 ? 0 : m_look.starts[std::size_t(m_armed - 1)];
        const int wanted = std::max(x + 10 + scroll, previous + kListMinDragWidth);
        // The boundaries to the right follow, so the other columns keep their widths.
        const int shift = wanted - m_look.starts[std::size_t(m_armed)];
        for (int k = m_armed; k <= kListColumns; ++k)
            m_look.starts[std::size_t(k)] += shift;
        update();
    }
    EventControl::mouseMoveEvent(event);
}

void ListPlus::mouseReleaseEvent(QMouseEvent* event)
{
    const bool endedResize = m_resizing;
    m_resizing = false;
    const int y = int(event->position().y());
    if (event->button() == Qt::LeftButton && !endedResize && y >= 0 && y < kListHeaderHeight &&
        m_armed < 0) {
        if (const int column = headerAt(int(event->position().x())); column >= 0)
            emit headerClicked(column);
    } else if (event->button() == Qt::LeftButton && !endedResize && y >= kListHeaderHeight &&
               !m_rows.empty()) {
        const int band = (y - kListHeaderHeight) / m_look.rowHeight;
        const int position = std::clamp(m_sbar->value() + band, 0, rowCount() - 1);
        m_currentRow = m_order[std::size_t(position)];
        m_look.highlightCurrent = true;
        if (m_multiSelect) {
            ListRow& row = m_rows[std::size_t(m_currentRow)];
            row.selected = !row.selected;
        }
        update();
    }
    EventControl::mouseReleaseEvent(event);
}

void ListPlus::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0 && m_sbar->isEnabled())
        m_sbar->setValue(m_sbar->value() - 3 * notches);
    event->accept();
}

} // namespace qv::gui
