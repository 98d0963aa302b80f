#pragma once
// "Allgemein", the fourth inner page of "Berechnung": the run budget and the number list.
#include <QWidget>

class QCheckBox;
class QLabel;

namespace razoz {

class Session;
class SpinControl;

class AllgemeinPage : public QWidget {
    Q_OBJECT
public:
    explicit AllgemeinPage(Session& session, QWidget* parent = nullptr);

    QLabel* Label96;     // "Allgemeine Berechnungsoptionen"
    QLabel* Label97;     // "Max. Berechnungsläufe"
    SpinControl* Edit55; // UpDown7: run budget in thousands
    QLabel* Label98;     // "Tausend"
    QLabel* Label60;     // advice when not every row could be computed
    QCheckBox* CheckBox20;
    QCheckBox* CheckBox15;

private:
    Session& session_;
};

} // namespace razoz
