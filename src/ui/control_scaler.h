#pragma once
// Scales the hand-placed controls of a window's pages with the window's height: every control's
// geometry and font are taken from its design values and multiplied by new height / design height,
// so growing and shrinking back ends where it started.
#include <QFont>
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QWidget>

class QTabWidget;

namespace razoz {

class ControlScaler {
public:
    // `pages`: their hand-placed controls are scaled. The design height is set by start().
    explicit ControlScaler(QTabWidget& pages) : pages_(pages) {}

    // The window's height at start-up is the design height.
    void start(int designHeight);
    // Scales to `height` when it differs from the last one scaled to.
    void scaleTo(int height);

private:
    struct Design {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
    };
    QTabWidget& pages_;
    QHash<QWidget*, Design> design_;
    int designHeight_ = 0;
    int lastHeight_ = 0;
};

} // namespace razoz
