#include "ui/stats_buttons.h"

#include "ui/control_factory.h"
#include "ui/page_diagramm.h"

#include <QGridLayout>
#include <QPushButton>

namespace razoz {

DatenbankStatsButtons::DatenbankStatsButtons(DiagrammPage* diagramm, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DatenbankStatsButtons"));
    Button5 = makeButton(this, "Button5", QStringLiteral("Ausstehende"),
                         QStringLiteral("EErzeugt die Grafik für die Ausstehenden Zahlen"));
    Button8 = makeButton(this, "Button8", QStringLiteral("Superzahl ausstehende"),
                         QStringLiteral("Erzeugt die Grafik für die ausstehenden Superzahlen"));
    Button2 = makeButton(this, "Button2", QStringLiteral("Paare suchen"),
                         QStringLiteral("Erzeugen der Grafik für die Paarbildung der Zahlen"));
    Button3 = makeButton(this, "Button3", QStringLiteral("Dreier suchen"),
                         QStringLiteral("Erzeugen der Grafik für die Bildung von Dreiergruppen der Zahlen"));
    Button4 = makeButton(this, "Button4", QStringLiteral("Vierer suchen"),
                         QStringLiteral("Erzeugen der Grafik für die Bildung von Viergruppen der Zahlen"));
    Button9 = makeButton(this, "Button9", QStringLiteral("Primzahlen pro Tipp"),
                         QStringLiteral("Erzeugt die Grafik für die Primzahlen pro Tipp"));
    Button10 = makeButton(this, "Button10", QStringLiteral("Ungerade pro Tipp"),
                          QStringLiteral("Erzeugt die Grafik für die ungeraden Zahlen pro Tipp"));
    Button11 = makeButton(this, "Button11", QStringLiteral("Gerade pro Tipp"),
                          QStringLiteral("Erzeugt die Grafik für die geraden Zahlen pro Tipp"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Button5, 0, 0);
    grid->addWidget(Button8, 1, 0);
    grid->addWidget(Button2, 2, 0);
    grid->addWidget(Button3, 3, 0);
    grid->addWidget(Button4, 0, 1);
    grid->addWidget(Button9, 1, 1);
    grid->addWidget(Button10, 2, 1);
    grid->addWidget(Button11, 3, 1);

    connect(Button5, &QPushButton::clicked, diagramm, &DiagrammPage::Button5Click);
    connect(Button8, &QPushButton::clicked, diagramm, &DiagrammPage::Button8Click);
    connect(Button2, &QPushButton::clicked, diagramm, &DiagrammPage::Button2Click);
    connect(Button3, &QPushButton::clicked, diagramm, &DiagrammPage::Button3Click);
    connect(Button4, &QPushButton::clicked, diagramm, &DiagrammPage::Button4Click);
    connect(Button9, &QPushButton::clicked, diagramm, &DiagrammPage::Button9Click);
    connect(Button10, &QPushButton::clicked, diagramm, &DiagrammPage::Button10Click);
    connect(Button11, &QPushButton::clicked, diagramm, &DiagrammPage::Button11Click);
}

} // namespace razoz
