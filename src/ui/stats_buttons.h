#pragma once
// The controls outside the "Diagramm" page that draw a statistic: the chart buttons of the
// "Datenbank" page and the chart shortcuts of the calculation pages "Statistisch" and "Mathematisch".
// Each group creates its controls with their designed names and wires them to the handlers of the
// DiagrammPage; the main window places the group (or single controls of it) on its page.
#include <QWidget>

class QPushButton;
class QToolButton;

namespace razoz {

class ClickLabel;
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

// "Statistisch": frequency, overdue, pairs, triples, quads; each shows the "Diagramm" page.
class StatistischChartShortcuts : public QWidget {
    Q_OBJECT
public:
    StatistischChartShortcuts(DiagrammPage* diagramm, QWidget* parent = nullptr);

    QToolButton* SpeedButton26; // number frequency
    QToolButton* SpeedButton22; // number overdue
    QToolButton* SpeedButton23; // pairs
    QToolButton* SpeedButton24; // triples
    QToolButton* SpeedButton25; // quads
};

// "Mathematisch": sums, runs and the per-draw property charts, with the explanatory texts that
// open the same charts.
class MathematischChartShortcuts : public QWidget {
    Q_OBJECT
public:
    MathematischChartShortcuts(DiagrammPage* diagramm, QWidget* parent = nullptr);

    QToolButton* SpeedButton17; // sums
    QToolButton* SpeedButton21; // pairs
    QToolButton* SpeedButton27; // triples
    QToolButton* SpeedButton28; // quads
    QToolButton* SpeedButton29; // primes per draw
    QToolButton* SpeedButton32; // odd per draw
    QToolButton* SpeedButton31; // even per draw
    ClickLabel* Label88;    // sums
    ClickLabel* Label89;    // pairs
    ClickLabel* Label91;    // triples
    ClickLabel* Label90;    // quads
};

} // namespace razoz
