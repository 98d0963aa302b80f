#pragma once
// The chart buttons of the "Datenbank" page, wired to the handlers of the DiagrammPage; the
// "Datenbank" page creates and places the group.
#include <QWidget>

class QPushButton;

namespace razoz {

class DiagrammPage;

// "Datenbank": the eight chart buttons; each chart ends on the "Diagramm" page.
class DatenbankStatsButtons : public QWidget {
    Q_OBJECT
public:
    DatenbankStatsButtons(DiagrammPage* diagramm, QWidget* parent = nullptr);

    QPushButton* Button5;  // "Ausstehende"
    QPushButton* Button8;  // "Superzahl ausstehende"
    QPushButton* Button2;  // "Paare suchen"
    QPushButton* Button3;  // "Dreier suchen"
    QPushButton* Button4;  // "Vierer suchen"
    QPushButton* Button9;  // "Primzahlen pro Tipp"
    QPushButton* Button10; // "Ungerade pro Tipp"
    QPushButton* Button11; // "Gerade pro Tipp"
};

} // namespace razoz
