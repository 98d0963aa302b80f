#pragma once
// The controls outside the "Diagramm" page that draw a statistic: the chart buttons of the
// "Datenbank" page and the chart shortcuts of the calculation pages "Statistisch" and "Mathematisch".
// Each group creates its controls with their designed names and wires them to the handlers of the
// DiagrammPage. The "Datenbank" group is one widget the main window places; the shortcuts of the
// calculation pages stand directly on their page, each at its own place.
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
// The buttons sit directly on the page, each at the right end of the row of the preference it charts,
// so the preference controls can take their rows beside them (rows 26 pixels apart):
//   y 34 SpeedButton26 – "Zahlen die besonders oft gezogen wurden bevorzugen" (and "… selten …" below)
//   y 86 SpeedButton22 – "Zahlen die am längsten überfällig sind"
//   y 112 SpeedButton23 – pairs, y 138 SpeedButton24 – triples, y 164 SpeedButton25 – quads
class StatistischChartShortcuts : public QObject {
    Q_OBJECT
public:
    static constexpr int kLeft = 560;
    StatistischChartShortcuts(DiagrammPage* diagramm, QWidget* page);

    QToolButton* SpeedButton26; // number frequency
    QToolButton* SpeedButton22; // number overdue
    QToolButton* SpeedButton23; // pairs
    QToolButton* SpeedButton24; // triples
    QToolButton* SpeedButton25; // quads
};

// "Mathematisch": sums, runs and the per-draw property charts, with the explanatory texts that
// open the same charts. Each sits directly on the page where the row rule it explains will stand:
//   y 60  SpeedButton17 and Label88, below the sum range line
//   y 138 / 164 / 190 SpeedButton29, SpeedButton32, SpeedButton31 at the right end of the rows of the
//         minimum primes, odd and even numbers
//   y 228 SpeedButton21 and Label89, with "eine Paarbildung pro Tipp erzwingen" below it (y 252)
//   y 284 SpeedButton27, SpeedButton28, then "Dreier, " and "Vierer ..." on one line, with
//         "keine Dreier , Vierer... Paare" below it (y 308)
class MathematischChartShortcuts : public QObject {
    Q_OBJECT
public:
    static constexpr int kRuleButtonLeft = 560;
    MathematischChartShortcuts(DiagrammPage* diagramm, QWidget* page);

    QToolButton* SpeedButton17; // sums
    QToolButton* SpeedButton21; // pairs
    QToolButton* SpeedButton27; // triples
    QToolButton* SpeedButton28; // quads
    QToolButton* SpeedButton29; // primes per draw
    QToolButton* SpeedButton32; // odd per draw
    QToolButton* SpeedButton31; // even per draw
    ClickLabel* Label88;        // sums
    ClickLabel* Label89;        // pairs
    ClickLabel* Label91;        // triples
    ClickLabel* Label90;        // quads
};

} // namespace razoz
