#pragma once

#include "controls/buttonlook.h"
#include "controls/eventcontrol.h"

#include <QTimer>

namespace qv::gui {

// The buttons of the designed application and of the system's dialogs. Moving the pointer
// onto the button makes it hot (deeper face, white caption); a timer then watches the
// pointer and returns the button to its normal face within one tick after the pointer has
// left, however quickly it left.
class SuperButton : public EventControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor RenderColor READ renderColor WRITE setRenderColor)
    Q_PROPERTY(int FontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(QString FontName READ fontName WRITE setFontName)
    Q_PROPERTY(int Border READ border WRITE setBorder)
    Q_PROPERTY(QPixmap Image READ image WRITE setImage)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)

public:
    static constexpr int kHoverInterval = 50; // ms between checks of the pointer

    explicit SuperButton(QWidget* parent = nullptr);

    QString caption() const { return m_look.caption; }
    void setCaption(const QString& caption);
    QColor backColor() const { return m_look.backColor; }
    void setBackColor(const QColor& color);
    QColor renderColor() const { return m_look.renderColor; }
    void setRenderColor(const QColor& color);
    int fontSize() const { return m_look.font.pointSize(); }
    void setFontSize(int points);
    QString fontName() const { return m_look.font.family(); }
    void setFontName(const QString& family);
    int border() const { return m_look.border; }
    void setBorder(int border);
    QPixmap image() const { return m_look.image; }
    void setImage(const QPixmap& picture);

    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);

    bool isHot() const { return m_look.hot; }
    bool isDown() const { return m_look.pressed; }
    // The look the button has now, for painting it elsewhere.
    ButtonLook look() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void checkPointer();
    void leaveHot();

    ButtonLook m_look;
    int m_mousePointer = 0;
    QTimer m_timer; // Timer1: the hover watch
};

} // namespace qv::gui
