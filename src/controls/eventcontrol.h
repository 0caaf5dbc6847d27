#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

namespace qv::gui {

// Base of the system's own controls: every control hands the usual mouse and key events on
// to its container after doing its own work. A subclass that overrides a handler calls the
// one here last, so the container always hears about the event after the control has acted.
class EventControl : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void click();
    void dblClick();
    void keyDown(int key, Qt::KeyboardModifiers shift);
    void keyPress(const QString& text);
    void keyUp(int key, Qt::KeyboardModifiers shift);
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPoint pos);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace qv::gui
