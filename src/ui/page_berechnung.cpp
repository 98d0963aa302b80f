#include "ui/page_berechnung.h"

#include "ui/page_allgemein.h"
#include "ui/page_mathematisch.h"
#include "ui/page_schein_optimierung.h"
#include "ui/page_statistisch.h"

#include <QTabWidget>

namespace razoz {

BerechnungPage::BerechnungPage(Session& session, DiagrammPage& diagramm, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(0, 0, 886, 470);
    Statistisch = new StatistischPage(session, diagramm);
    ScheinOptimierung = new ScheinOptimierungPage(session);
    Mathematisch = new MathematischPage(session, diagramm);
    Allgemein = new AllgemeinPage(session);
    PageControl2->addTab(Statistisch, QStringLiteral("Statistisch"));
    PageControl2->addTab(ScheinOptimierung, QStringLiteral("Schein Optimierung"));
    PageControl2->addTab(Mathematisch, QStringLiteral("Mathematisch"));
    PageControl2->addTab(Allgemein, QStringLiteral("Allgemein"));
}

} // namespace razoz
