#pragma once
// A label that reports clicks, for the ticket number, the row labels and the web links.
#include <QLabel>
#include <QMouseEvent>

namespace razoz {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
        QLabel::mouseReleaseEvent(e);
    }
};

} // namespace razoz
