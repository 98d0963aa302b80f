#pragma once
// "Mathematisch", the third inner page of "Berechnung": the row rules (sum range, primes, odd and
// even numbers, runs), with the charts and explanatory texts that show what they rely on.
#include <QWidget>

class QToolButton;

namespace razoz {

class ClickLabel;
class DiagrammPage;
class Session;

class MathematischPage : public QWidget {
    Q_OBJECT
public:
    // Each shortcut sits where the row rule it explains stands:
    //   y 60  SpeedButton17 and Label88, below the sum range line
    //   y 138 / 164 / 190 SpeedButton29, SpeedButton32, SpeedButton31 at the right end of the rows of the
    //         minimum primes, odd and even numbers
    //   y 228 SpeedButton21 and Label89, with "eine Paarbildung pro Tipp erzwingen" below it (y 252)
    //   y 284 SpeedButton27, SpeedButton28, then "Dreier, " and "Vierer ..." on one line, with
    //         "keine Dreier , Vierer... Paare" below it (y 308)
    static constexpr int kRuleButtonLeft = 560;
    MathematischPage(Session& session, DiagrammPage& diagramm, QWidget* parent = nullptr);

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

private:
    Session& session_;
};

} // namespace razoz
