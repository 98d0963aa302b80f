#include "ui/page_berechnung.h"

#include <QTabWidget>

namespace razoz {

BerechnungPage::BerechnungPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(0, 0, 886, 470);
    auto page = [&](const char* name, const QString& caption) {
        auto* w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        PageControl2->addTab(w, caption);
        return w;
    };
    Statistisch = page("TabSheet6", QStringLiteral("Statistisch"));
    ScheinOptimierung = page("TabSheet7", QStringLiteral("Schein Optimierung"));
    Mathematisch = page("TabSheet8", QStringLiteral("Mathematisch"));
    Allgemein = page("TabSheet9", QStringLiteral("Allgemein"));
}

} // namespace razoz
