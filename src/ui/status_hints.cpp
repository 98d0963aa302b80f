#include "ui/status_hints.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace razoz {

QString hintOf(QWidget* w)
{
    while (w && !w->isWindow() && (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))))
        w = w->parentWidget();
    return w ? w->toolTip() : QString();
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
