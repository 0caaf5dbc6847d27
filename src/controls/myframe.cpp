#include "controls/myframe.h"

#include <QPainter>

namespace qv::gui {

MyFrame::MyFrame(QWidget* parent) : EventControl(parent)
{
    m_look.font = font();
}

void MyFrame::setCaption(const QString& caption)
{
    m_look.caption = caption;
    update();
}

void MyFrame::setBorderColor(const QColor& color)
{
    m_look.borderColor = color;
    update();
}

void MyFrame::setFillColor(const QColor& color)
{
    m_look.fillColor = color;
    update();
}

void MyFrame::setBorderStyle(int style)
{
    m_look.borderStyle = style;
    update();
}

void MyFrame::setPicture(const QPixmap& picture)
{
    m_look.picture = picture;
    update();
}

void MyFrame::setImage(const QPixmap& image)
{
    m_look.image = image;
    update();
}

void MyFrame::setFontName(const QString& family)
{
    m_look.font.setFamily(family);
    update();
}

void MyFrame::setFontSize(int points)
{
    if (points > 0)
        m_look.font.setPointSize(points);
    update();
}

void MyFrame::setFontBold(bool on)
{
    m_look.font.setBold(on);
    update();
}

void MyFrame::setFontItalic(bool on)
{
    m_look.font.setItalic(on);
    update();
}

FrameLook MyFrame::look() const
{
    FrameLook result = m_look;
    result.enabled = isEnabled();
    return result;
}

void MyFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintMyFrame(painter, look(), rect());
}

} // namespace qv::gui
