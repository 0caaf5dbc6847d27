#pragma once

#include "controls/eventcontrol.h"
#include "controls/listlook.h"

#include <QStringList>
#include <vector>

namespace qv::gui {

class RealhScroll;
class RealvScroll;

// A list of records as rows of up to ten text columns after a leading number column, with
// header buttons, its own scroll bars, row highlighting, single or multiple selection and
// column widths the user drags. It draws the rows itself.
class ListPlus : public EventControl {
    Q_OBJECT
    Q_PROPERTY(QColor BackGroundColor READ backGroundColor WRITE setBackGroundColor)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BorderType READ borderType WRITE setBorderType)
    Q_PROPERTY(bool mSelect READ mSelect WRITE setMSelect)

public:
    explicit ListPlus(QWidget* parent = nullptr);
    ~ListPlus() override;

    // Replaces the rows: each text is split at its commas (row number, ten columns, extra
    // field); the list returns to the top and lays itself out again.
    void AddArray(const QStringList& rows);
    // Replaces the rows with rows made already, for texts that may hold commas.
    void setRows(std::vector<ListRow> rows);
    // The display order: the row shown at position p is row order[p]. An order that is not
    // a permutation of the rows is refused.
    void setOrder(std::vector<int> order);
    // Makes a row the current one, highlighted and scrolled into view; -1 for none.
    void setCurrentRow(int row);
    // The selected rows in display order.
    std::vector<int> selectedRows() const;
    // The row shown at a display position.
    int rowAtPosition(int position) const { return m_order.at(std::size_t(position)); }
    int positionOfRow(int row) const;
    // Caption of header button index (0 over the number column, 1..10 the columns).
    void NameButton(int index, const QString& caption);
    // The width the columns may take: the horizontal scroll range becomes that width minus
    // the visible width (60 when that is negative).
    void setMaxWidth(int width);
    // Shows this many text columns (1..10; 0 counts as 1).
    void setCSelect(int columns);
    // Measures the row height in the current font and sets the vertical bar for it.
    void ReSizeFont();
    // Draws the rows again.
    void REFscreen() { update(); }

    QColor backGroundColor() const { return m_look.backColor; }
    void setBackGroundColor(const QColor& color);
    QColor foreColor() const { return m_look.foreColor; }
    void setForeColor(const QColor& color);
    int borderType() const { return m_look.borderType; }
    void setBorderType(int type);
    bool mSelect() const { return m_multiSelect; }
    void setMSelect(bool on) { m_multiSelect = on; }
    void setFontName(const QString& family);
    void setFontSize(int points);
    void setFontItalic(bool on);
    void setFontUnderline(bool on);
    void setFontStrikethru(bool on);

    int rowCount() const { return int(m_rows.size()); }
    const ListRow& row(int index) const { return m_rows.at(std::size_t(index)); }
    bool isSelected(int index) const { return m_rows.at(std::size_t(index)).selected; }
    int currentRow() const { return m_currentRow; }
    bool isHighlighted(int index) const;
    int rowHeight() const { return m_look.rowHeight; }
    int rowsPerPage() const { return m_rowsPerPage; }
    int columnStart(int index) const { return m_look.starts.at(std::size_t(index)); }
    int columnCount() const { return m_look.columns; }
    RealvScroll* verticalBar() const { return m_sbar; }
    RealhScroll* horizontalBar() const { return m_hscroll; }
    // The surface the rows are drawn on: the control without its scroll bars.
    QRect surface() const;

    ListLook look() const;

signals:
    // A header button was clicked: 0 the number column, 1..10 the text columns.
    void headerClicked(int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void relayout();
    void placeBars();
    void resetRows();
    int headerAt(int x) const;

    std::vector<ListRow> m_rows;
    std::vector<int> m_order;
    ListLook m_look;
    int m_currentRow = -1;
    bool m_multiSelect = false;
    int m_maxWidthRange = 0;
    int m_rowsPerPage = 0;
    int m_armed = -1;        // the column boundary the pointer can drag, or -1
    bool m_resizing = false; // a boundary is being dragged
    RealvScroll* m_sbar = nullptr;
    RealhScroll* m_hscroll = nullptr;
};

} // namespace qv::gui
