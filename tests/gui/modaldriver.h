#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace qv::test {

// Answers the next modal window of class `className` that opens (a QMessageBox, a
// QFileDialog): `answer` gets it once it is on screen. Several answers may wait at once;
// each takes only its own class. After a minute without one the wait gives up and rejects
// whatever modal window is open, so the test goes on and fails instead of hanging.
// Deleting the returned timer withdraws an answer that is no longer wanted.
inline QPointer<QTimer> whenModalOpens(const char* className,
                                       std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, className, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && modal->inherits(className)) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (waited->elapsed() > 60000) {
            timer->stop();
            timer->deleteLater();
            qWarning("no %s opened within a minute", className);
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        }
    });
    timer->start(10);
    return timer;
}

} // namespace qv::test
