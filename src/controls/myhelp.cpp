#include "controls/myhelp.h"

#include "controls/olecolor.h"
#include "controls/realvscroll.h"
#include "controls/scrollgeometry.h"

#include <algorithm>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

namespace qv::gui {

namespace {
constexpr int kMargin = 3;
} // namespace

myHelp::myHelp(QWidget* parent)
    : EventControl(parent), m_backColor(colorFromOle(kOleButtonFace)),
      m_foreColor(colorFromOle(kOleButtonText)), m_vscroll(new RealvScroll(this))
{
    m_vscroll->setObjectName(QStringLiteral("VScroll1"));
    m_vscroll->setValueSmallChange(1);
    m_vscroll->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_vscroll, &RealvScroll::change, this, &myHelp::scrolled);
    setHtmlText(QString());
}

myHelp::~myHelp() = default;

void myHelp::setHtmlText(const QString& encoded)
{
    m_text = encoded;
    const MarkupResult result =
        paintMarkup(nullptr, this, m_text, surface(), 0, MarkupPass::Initial, font().family());
    m_links = result.links;
    m_lineCount = result.lineCount;
    m_lineStep = std::max(1, result.height / std::max(1, result.lineCount));
    // A new text starts at its top, so the bar goes back before it gets its new range.
    m_vscroll->setValue(0);
    m_vscroll->setValueMax(m_lineCount);
    m_vscroll->setValueLargeChange(m_lineCount / 2);
    m_scrolledPass = false;
    update();
}

void myHelp::setScrollcolor(const QColor& color)
{
    m_vscroll->setBackColor(color);
}

void myHelp::setBackColor(const QColor& color)
{
    m_backColor = color;
    update();
}

void myHelp::setBackStyle(int style)
{
    m_backStyle = style;
    update();
}

void myHelp::setBorderStyle(int style)
{
    m_borderStyle = style;
    update();
}

QRect myHelp::surface() const
{
    return rect().adjusted(kMargin, kMargin, -(kScrollArrow + kMargin), 0);
}

int myHelp::scrollOffset() const
{
    return m_vscroll->value() * m_lineStep;
}

void myHelp::scrolled()
{
    m_scrolledPass = true;
    update();
}

void myHelp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_backStyle != 0)
        painter.fillRect(rect(), m_backColor);
    paintMarkup(&painter, this, m_text, surface(), scrollOffset(),
                m_scrolledPass ? MarkupPass::Scrolled : MarkupPass::Initial, font().family());
    if (m_borderStyle != 0) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void myHelp::resizeEvent(QResizeEvent*)
{
    m_vscroll->setGeometry(width() - kScrollArrow, 0, kScrollArrow, height());
}

void myHelp::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    m_pressY = pos.y();
    // The links were measured with the text at its top; the press is moved the same way.
    const int textY = pos.y() + scrollOffset();
    for (const MarkupLink& link : m_links) {
        if (!link.contains(pos.x(), textY))
            continue;
        emit linkPressed(link.text);
        auto* box =
            new QMessageBox(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                            link.text + QStringLiteral(" Link Works!!!"), QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
        break;
    }
    EventControl::mousePressEvent(event);
}

void myHelp::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton) {
        // Each line height the pointer travels scrolls the text by one line.
        const int y = event->position().toPoint().y();
        const int steps = (y - m_pressY) / m_lineStep;
        if (steps != 0) {
            m_vscroll->setValue(m_vscroll->value() + steps);
            m_pressY += steps * m_lineStep;
        }
    }
    EventControl::mouseMoveEvent(event);
}

} // namespace qv::gui
