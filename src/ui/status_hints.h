#pragma once
// Status panel 1 of the main window shows the hint of the control under the mouse; over a control
// without one it shows the last status written there (the end of a calculation, the lucky number),
// so a hint never stays behind and a status is not lost to a passing mouse.
#include <QObject>

#include <utility>

class QLabel;
class QMainWindow;
class QWidget;

namespace razoz {

// The hint of a control; the unnamed parts of a control (the edit of a date picker, the viewport
// of the chart) show the hint of the control they belong to.
QString hintOf(QWidget* w);

// The window's status bar with its two panels: 0 for progress texts, 1 for the hints.
std::pair<QLabel*, QLabel*> buildStatusBar(QMainWindow& window);

class StatusHints : public QObject {
    Q_OBJECT
public:
    // Watches every widget of window; writes into panel.
    StatusHints(QWidget* window, QLabel* panel);
    ~StatusHints() override;

    // A status for the panel: shown now, and again whenever the mouse leaves the hints behind.
    void setStatus(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* window_;
    QLabel* panel_;
    QString status_;
};

} // namespace razoz
