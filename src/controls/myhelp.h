#pragma once

#include "controls/eventcontrol.h"
#include "controls/markuppainter.h"

#include <vector>

namespace qv::gui {

class RealvScroll;

// The help viewer: draws a text in the encoded markup form on its own surface with a
// vertical scroll bar (VScroll1) on the right. Dragging the text with the left button
// scrolls it; a press on a link shows the link's text followed by " Link Works!!!".
//
// The scroll value counts lines: the bar runs from 0 to the text's line count, and one
// step moves the text by its average line height.
class myHelp : public EventControl {
    Q_OBJECT
    Q_PROPERTY(QString HtmlText READ htmlText WRITE setHtmlText)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BackStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool AutoRedraw READ autoRedraw WRITE setAutoRedraw)

public:
    explicit myHelp(QWidget* parent = nullptr);
    ~myHelp() override;

    // The encoded text (see EncodeMarkup); setting it draws it from the top and rebuilds the
    // link table and the scroll bar.
    QString htmlText() const { return m_text; }
    void setHtmlText(const QString& encoded);
    // Sets a text written with tags, encoding it first.
    void setMarkup(const QString& source) { setHtmlText(encodeMarkupText(source)); }

    void setScrollcolor(const QColor& color);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& color) { m_foreColor = color; }
    int backStyle() const { return m_backStyle; }
    void setBackStyle(int style);
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    bool autoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    const std::vector<MarkupLink>& links() const { return m_links; }
    int lineCount() const { return m_lineCount; }
    RealvScroll* scrollBar() const { return m_vscroll; }
    // How far the text is scrolled up, in pixels.
    int scrollOffset() const;
    // The surface the text is drawn on: inside a small margin, left of the scroll bar.
    QRect surface() const;

signals:
    // A link was pressed; its text as stored in the link table.
    void linkPressed(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void scrolled();

    QString m_text;
    std::vector<MarkupLink> m_links;
    int m_lineCount = 1;
    int m_lineStep = 1; // pixels per scroll step
    bool m_scrolledPass = false;
    int m_pressY = 0;
    QColor m_backColor;
    QColor m_foreColor;
    int m_backStyle = 1;
    int m_borderStyle = 0;
    bool m_autoRedraw = false;
    RealvScroll* m_vscroll = nullptr;
};

} // namespace qv::gui
