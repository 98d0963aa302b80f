#pragma once
// The program's windows in creation order (main window first): the language files and the
// settings find controls by walking them in this order.
#include <QList>
#include <QPointer>
#include <QWidget>

namespace razoz {

QList<QWidget*> applicationWindows();
void registerWindow(QWidget* window);

} // namespace razoz
