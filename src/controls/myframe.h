#pragma once

#include "controls/eventcontrol.h"
#include "controls/framelook.h"

namespace qv::gui {

// The frame that groups settings in the system's dialogs: a border with a caption set into
// it, an optional fill, background picture and caption image.
class MyFrame : public EventControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(QColor Fillcolor READ fillColor WRITE setFillColor)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(QPixmap Image READ image WRITE setImage)

public:
    explicit MyFrame(QWidget* parent = nullptr);

    QString caption() const { return m_look.caption; }
    void setCaption(const QString& caption);
    QColor borderColor() const { return m_look.borderColor; }
    void setBorderColor(const QColor& color);
    QColor fillColor() const { return m_look.fillColor; }
    void setFillColor(const QColor& color);
    int borderStyle() const { return m_look.borderStyle; }
    void setBorderStyle(int style);
    QPixmap picture() const { return m_look.picture; }
    void setPicture(const QPixmap& picture);
    QPixmap image() const { return m_look.image; }
    void setImage(const QPixmap& image);
    void setFontName(const QString& family);
    void setFontSize(int points);
    void setFontBold(bool on);
    void setFontItalic(bool on);

    FrameLook look() const;
    // Where the grouped controls belong, in the frame's coordinates.
    QRect contentsArea() const { return myFrameContentsRect(m_look, rect()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FrameLook m_look;
};

} // namespace qv::gui
