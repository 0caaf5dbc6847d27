#pragma once

#include "controls/eventcontrol.h"
#include "controls/scrollbarlook.h"

#include <QColor>
#include <QTimer>

namespace qv::gui {

// The shared design of the system's scroll bars (RealhScroll, RealvScroll, DepthScroll):
// its own value range, a track, two arrow buttons and a thumb; `change` after every change
// of the value, whether by code, mouse or keyboard.
//
// Holding the mouse on an arrow or in the track steps at once, then repeats every 10 ms
// after a short delay until the button is released, the range ends or (in the track) the
// thumb has reached the pointer. Page Up / Page Down step by the large change, the arrow
// keys by the small change; holding a key repeats the same way.
class ScrollBarControl : public EventControl {
    Q_OBJECT
    Q_PROPERTY(QColor BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int ValueMin READ valueMin WRITE setValueMin)
    Q_PROPERTY(int ValueMax READ valueMax WRITE setValueMax)
    Q_PROPERTY(int Value READ value WRITE setValue NOTIFY change)
    Q_PROPERTY(int ValueLargeChange READ valueLargeChange WRITE setValueLargeChange)
    Q_PROPERTY(int ValueSmallChange READ valueSmallChange WRITE setValueSmallChange)
    Q_PROPERTY(int Pattern READ pattern WRITE setPattern)

public:
    // What a running repeat does; the numbers are the ones the controls have always used.
    enum RepeatAction {
        NoRepeat = 0,
        PageBack = 1,
        PageForward = 2,
        StepBack = 3,
        StepForward = 4
    };

    static constexpr int kFirstRepeatDelay = 250; // ms, mouse held before repeating
    static constexpr int kKeyRepeatDelay = 100;   // ms, key held before repeating
    static constexpr int kRepeatInterval = 10;    // ms between repeated steps

    explicit ScrollBarControl(Qt::Orientation orientation, QWidget* parent = nullptr);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    int valueMin() const { return m_valueMin; }
    void setValueMin(int valueMin);
    int valueMax() const { return m_valueMax; }
    void setValueMax(int valueMax);
    int value() const { return m_value; }
    // Stores the value kept within ValueMin .. ValueMax and moves the thumb to it.
    void setValue(int value);
    int valueLargeChange() const { return m_largeChange; }
    void setValueLargeChange(int step);
    int valueSmallChange() const { return m_smallChange; }
    void setValueSmallChange(int step);

    // Face of the thumb: 0 plain, 1 grip ridges, 2 dotted (DepthScroll draws it plain).
    int pattern() const { return m_pattern; }
    void setPattern(int pattern);

    Qt::Orientation orientation() const { return m_orientation; }
    int thumbPosition() const { return m_thumbPosition; }
    int thumbLength() const { return m_thumbLength; }
    bool isDragging() const { return m_dragging; }
    RepeatAction repeatAction() const { return m_action; }
    // The bar's length along its long axis, in pixels.
    int barLength() const;

    QSize sizeHint() const override;

signals:
    void change();

protected:
    virtual ScrollBarLook look() const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    int along(QPointF pos) const;
    void placeThumb();
    // One step of the running repeat; false when it no longer moves anything.
    bool repeatStep();
    void onTimer();
    void stopRepeat();
    void storeValue(int value);

    Qt::Orientation m_orientation;
    QColor m_backColor = Qt::white;
    int m_valueMin = 0;
    int m_valueMax = 100;
    int m_value = 0;
    int m_largeChange = 5;
    int m_smallChange = 1;
    int m_pattern = 0;

    int m_thumbPosition = 17;
    int m_thumbLength = 11;
    int m_pressPosition = -1; // along the bar; -1 for a key repeat, which pages without a goal
    bool m_dragging = false;
    RepeatAction m_action = NoRepeat;
    QTimer m_timer;
};

} // namespace qv::gui
