#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace qv::test {

// Answers the next modal window of class `className` that opens (a QMessageBox, a
// QFileDialog): `answer` gets it once it is on screen. The wait gives up after a few
// seconds, so a window that never comes fails the test instead of hanging it.
inline void whenModalOpens(const char* className, std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, className, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && modal->inherits(className)) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (++*tries > 300) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

} // namespace qv::test
