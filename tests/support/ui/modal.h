#pragma once
// Window tests answer the program's own modal dialogs from a polling timer: a dialog is answered
// once it shows, also when start-up or a long action lets events through before it does.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace razoz::test {

// Whether the dialog a whenModal waits for has shown (and its answer ran).
class ModalAnswer {
public:
    explicit ModalAnswer(std::shared_ptr<const bool> shown) : shown_(std::move(shown)) {}
    bool shown() const { return *shown_; }

private:
    std::shared_ptr<const bool> shown_;
};

// Runs `act` on the next modal dialog as soon as it shows.
inline ModalAnswer whenModal(std::function<void(QWidget*)> act)
{
    auto shown = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act, shown] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            *shown = true;
            act(modal);
        }
    });
    timer->start();
    return ModalAnswer(shown);
}

// Clicks the push button of that object name in the next modal dialog once it shows.
inline ModalAnswer clickInNextModal(const char* button)
{
    return whenModal([button](QWidget* dialog) {
        auto* target = dialog->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(target, nullptr) << button;
        QTest::mouseClick(target, Qt::LeftButton);
    });
}

} // namespace razoz::test
