#include "ui/status_hints.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QWidget>

namespace razoz {

QString hintOf(QWidget* w)
{
    while (w && !w->isWindow() && (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))))
        w = w->parentWidget();
    return w ? w->toolTip() : QString();
}

std::pair<QLabel*, QLabel*> buildStatusBar(QMainWindow& window)
{
    auto* bar = new QStatusBar(&window);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    auto* panel0 = new QLabel(bar);
    panel0->setObjectName(QStringLiteral("StatusPanel0"));
    panel0->setMinimumWidth(150);
    auto* panel1 = new QLabel(bar);
    panel1->setObjectName(QStringLiteral("StatusPanel1"));
    panel1->setMinimumWidth(50);
    bar->addWidget(panel0);
    bar->addWidget(panel1, 1);
    window.setStatusBar(bar);
    return {panel0, panel1};
}

StatusHints::StatusHints(QWidget* window, QLabel* panel) : QObject(window), window_(window), panel_(panel)
{
    qApp->installEventFilter(this);
}

StatusHints::~StatusHints()
{
    qApp->removeEventFilter(this);
}

void StatusHints::setStatus(const QString& text)
{
    status_ = text;
    panel_->setText(text);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::Enter && e->type() != QEvent::Leave) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != window_) return false;
    // Qt sends no Enter to a container when the mouse moves from a child back onto it: leaving a
    // control shows the hint of the one around it, entering a control then shows its own.
    QWidget* under = e->type() == QEvent::Enter ? w : (w->isWindow() ? nullptr : w->parentWidget());
    const QString hint = under ? hintOf(under) : QString();
    panel_->setText(hint.isEmpty() ? status_ : hint);
    return false;
}

} // namespace razoz
