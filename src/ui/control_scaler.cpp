#include "ui/control_scaler.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLayout>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <functional>

namespace razoz {

namespace {
// Controls whose children are their own parts (spin boxes, lists, charts) are scaled as a whole.
bool scalesChildren(QWidget* w)
{
    return !qobject_cast<QAbstractSpinBox*>(w) && !qobject_cast<QComboBox*>(w) &&
           !qobject_cast<QAbstractScrollArea*>(w);
}
} // namespace

void ControlScaler::start(int designHeight)
{
    designHeight_ = designHeight;
    lastHeight_ = designHeight;
}

void ControlScaler::scaleTo(int height)
{
    if (lastHeight_ <= 0 || designHeight_ <= 0 || height == lastHeight_) return;
    lastHeight_ = height;
    const double factor = static_cast<double>(lastHeight_) / designHeight_;
    // The controls placed by hand (no layout, no page stack, not a part of another control).
    QList<QWidget*> placed;
    std::function<void(QWidget*)> collect = [&](QWidget* parent) {
        const bool managed = qobject_cast<QStackedWidget*>(parent) || parent->layout();
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow()) continue;
            if (!managed && !w->objectName().startsWith(QLatin1String("qt_"))) placed << w;
            if (scalesChildren(w)) collect(w);
        }
    };
    for (int i = 0; i < pages_.count(); ++i) collect(pages_.widget(i));
    // Record every design value before changing any: a parent's new font would pass to its children.
    for (QWidget* w : placed) {
        auto it = design_.find(w);
        if (it == design_.end() || !it->widget) design_.insert(w, Design{w, w->geometry(), w->font()});
    }
    for (QWidget* w : placed) {
        const Design& d = design_[w];
        const QRect g = d.geometry;
        w->setGeometry(qRound(g.x() * factor), qRound(g.y() * factor), qRound(g.width() * factor),
                       qRound(g.height() * factor));
        QFont f = d.font;
        if (f.pointSizeF() > 0)
            f.setPointSizeF(d.font.pointSizeF() * factor);
        else if (f.pixelSize() > 0)
            f.setPixelSize(std::max(1, qRound(d.font.pixelSize() * factor)));
        w->setFont(f);
    }
}

} // namespace razoz
