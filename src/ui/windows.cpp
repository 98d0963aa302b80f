#include "ui/windows.h"

namespace razoz {

namespace {
QList<QPointer<QWidget>>& registry()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}
} // namespace

QList<QWidget*> applicationWindows()
{
    QList<QWidget*> out;
    for (const auto& w : registry())
        if (w) out << w.data();
    return out;
}

void registerWindow(QWidget* window)
{
    registry().removeAll(nullptr);
    if (!registry().contains(window)) registry().append(window);
}

} // namespace razoz
