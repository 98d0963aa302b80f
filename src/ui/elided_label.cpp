#include "ui/elided_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace razoz {

QString ElidedClickLabel::shownText() const
{
    // The middle goes first: the caption stays readable, and so does the last digit of a ticket
    // number, the one checked against the Reintegro.
    const int width = contentsRect().width() - 2 * margin();
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, width);
}

void ElidedClickLabel::updateHint()
{
    const QString shown = shownText();
    const QString wanted = shown == text() ? givenHint_ : givenHint_.trimmed() + QStringLiteral(" — ") + text();
    if (toolTip() == wanted) return;
    settingHint_ = true;
    setToolTip(wanted);
    settingHint_ = false;
}

bool ElidedClickLabel::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTipChange && !settingHint_) {
        givenHint_ = toolTip();
        updateHint();
    }
    return ClickLabel::event(e);
}

void ElidedClickLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawFrame(&p);
    const QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&p, r, QStyle::visualAlignment(layoutDirection(), alignment()), palette(), isEnabled(),
                          shownText(), foregroundRole());
    updateHint();
}

} // namespace razoz
