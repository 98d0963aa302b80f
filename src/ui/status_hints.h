#pragma once
// Status panel 1 of the main window shows the hint of the control under the mouse, and nothing
// over a control without one: a hint never stays behind when the mouse moves on.
#include <QObject>

class QLabel;
class QWidget;

namespace razoz {

// The hint of a control; the unnamed parts of a control (the edit of a date picker, the viewport
// of the chart) show the hint of the control they belong to.
QString hintOf(QWidget* w);

class StatusHints : public QObject {
    Q_OBJECT
public:
    // Watches every widget of window; writes into panel.
    StatusHints(QWidget* window, QLabel* panel);
    ~StatusHints() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* window_;
    QLabel* panel_;
};

} // namespace razoz
