#pragma once
// "Schein Optimierung", the second inner page of "Berechnung": the rules between the rows of one slip
// and against the past draws.
#include <QWidget>

class QCheckBox;
class QLabel;

namespace razoz {

class Session;
class SpinControl;

class ScheinOptimierungPage : public QWidget {
    Q_OBJECT
public:
    explicit ScheinOptimierungPage(Session& session, QWidget* parent = nullptr);

    QLabel* Label78; // rows of the slip among each other
    QCheckBox* CheckBox24;
    SpinControl* Edit88; // UpDown9: minimum overlap
    QCheckBox* CheckBox3;
    SpinControl* Edit39; // UpDown3: maximum overlap
    QCheckBox* CheckBox27;
    QLabel* Label80; // rows against the past draws
    QCheckBox* CheckBox4;
    SpinControl* Edit40; // UpDown4: last draw
    QCheckBox* CheckBox5;
    SpinControl* Edit41; // UpDown5: second-last draw
    QCheckBox* CheckBox23;
    SpinControl* Edit84; // UpDown11: third-last draw
    QCheckBox* CheckBox35;
    QCheckBox* CheckBox9;
    SpinControl* Edit42; // UpDown6: hits never reached since the start date
    QLabel* Label81;     // "Richtigen"
    QCheckBox* CheckBox28;
    SpinControl* Edit91; // UpDown17: hits
    QLabel* Label82;     // "Richtigen in den letzten"
    SpinControl* Edit92; // UpDown18: draws
    QLabel* Label83;     // "Ziehungen"
    QCheckBox* CheckBox34;
    SpinControl* Edit94; // UpDown20: hits
    QLabel* Label84;     // "Richtigen in den letzten"
    SpinControl* Edit95; // UpDown21: draws
    QLabel* Label85;     // "Ziehungen"

public slots:
    // The minimum overlap cannot pass the maximum with the arrows: pressing UpDown3 caps UpDown9 at
    // UpDown3's position and keeps UpDown3 from going below UpDown9; releasing UpDown9 raises
    // UpDown3's floor to it.
    void UpDown3MouseDown();
    void UpDown9MouseUp();

private:
    Session& session_;
};

} // namespace razoz
