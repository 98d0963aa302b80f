#pragma once
// "Mathematisch", the third inner page of "Berechnung": the row rules (sum range, primes, odd and
// even numbers, runs), with the charts and explanatory texts that show what they rely on.
#include <QWidget>

class QCheckBox;
class QLabel;
class QToolButton;

namespace razoz {

class ClickLabel;
class DiagrammPage;
class GapSentence;
class Session;
class SpinControl;

class MathematischPage : public QWidget {
    Q_OBJECT
public:
    MathematischPage(Session& session, DiagrammPage& diagramm, QWidget* parent = nullptr);

    QLabel* Label87;      // "Diese Bedingungen werden in jeder Tippreihe berücksichtigt"
    GapSentence* sumLine; // Label86 "Quersummen von … bis … im Tipp zulassen" around the two edits
    SpinControl* Edit37;  // UpDown1: lowest sum
    SpinControl* Edit38;  // UpDown2: highest sum
    QLabel* Label92;      // what the sum range keeps out
    QLabel* Label93;      // higher odds
    QCheckBox* CheckBox22;
    SpinControl* Edit83; // UpDown10: minimum primes
    QCheckBox* CheckBox25;
    SpinControl* Edit89; // UpDown15: minimum even numbers
    QCheckBox* CheckBox26;
    SpinControl* Edit90; // UpDown16: minimum odd numbers
    QCheckBox* CheckBox8;
    QCheckBox* CheckBox18;

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

public slots:
    // The even and odd minimums together cannot pass six with the arrows: pressing or releasing the
    // arrows of one caps it at six minus the other.
    void UpDown15MouseDown();
    void UpDown15MouseUp();
    void UpDown16MouseDown();
    void UpDown16MouseUp();

private:
    Session& session_;
};

} // namespace razoz
