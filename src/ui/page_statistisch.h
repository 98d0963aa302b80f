#pragma once
// "Statistisch", the first inner page of "Berechnung": the preferences built from the statistics of
// the archive, each row with the chart shortcut of the statistic it relies on.
#include <QWidget>

class QCheckBox;
class QLabel;
class QToolButton;

namespace razoz {

class DiagrammPage;
class Session;
class SpinControl;

class StatistischPage : public QWidget {
    Q_OBJECT
public:
    StatistischPage(Session& session, DiagrammPage& diagramm, QWidget* parent = nullptr);

    QLabel* Label73; // "Zahlen für die Tipps über Statistik bevorzugen"
    QCheckBox* CheckBox2;
    SpinControl* Edit85; // UpDown12: share for CheckBox2
    QCheckBox* CheckBox14;
    SpinControl* Edit87; // UpDown14: share for CheckBox14
    QCheckBox* CheckBox10;
    SpinControl* Edit86; // UpDown13: share for CheckBox10
    QLabel* Label74;     // what the share means
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox11;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox12;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox13;
    QCheckBox* CheckBox19;
    QLabel* Label75; // "Für höherer Quoten …"
    QCheckBox* CheckBox29;
    QCheckBox* CheckBox30;
    QLabel* Label76; // "Unter "Allgemein" …"

    QToolButton* SpeedButton26; // number frequency
    QToolButton* SpeedButton22; // number overdue
    QToolButton* SpeedButton23; // pairs
    QToolButton* SpeedButton24; // triples
    QToolButton* SpeedButton25; // quads

private:
    Session& session_;
};

} // namespace razoz
