#include "ui/page_berechnung.h"

#include "ui/page_allgemein.h"
#include "ui/page_mathematisch.h"
#include "ui/page_schein_optimierung.h"
#include "ui/page_statistisch.h"

#include "app/session.h"

#include <QLabel>
#include <QTabWidget>

namespace razoz {

BerechnungPage::BerechnungPage(Session& session, DiagrammPage& diagramm, QWidget* parent)
    : QWidget(parent), session_(session)
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

    shownDraw = new QLabel(this);
    shownDraw->setObjectName(QStringLiteral("LabelShownDraw"));
    shownDraw->setGeometry(8, 474, 870, 20);
    // Its text is the draw's alone: no caption or hint of its own for a language to replace.
    connect(&session, &Session::drawChanged, this, &BerechnungPage::showDraw);
    connect(&session, &Session::languageChanged, this, &BerechnungPage::showDraw);
    showDraw();
}

void BerechnungPage::showDraw()
{
    const CurrentDraw& draw = session_.currentDraw();
    shownDraw->setText(draw.date > 0 ? QStringLiteral("Berechnet wird bis zur angezeigten Ziehung: ") +
                                           formatDraw(draw, DrawSeparator::Stepped).simplified()
                                     : QString());
}

} // namespace razoz
