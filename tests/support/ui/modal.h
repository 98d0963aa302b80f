#pragma once
// Window tests answer the program's own modal dialogs from a polling timer.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace razoz::test {

// Runs `act` on the next modal dialog as soon as it shows.
inline void whenModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

} // namespace razoz::test
