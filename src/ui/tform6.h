#pragma once
// TForm6 "Welche Zahlen für die Berechnung": the number list. In a calculation it shows every
// number with its weight (its entries in the pool) and lets the user change both; when a tip row
// is edited it shows the row's numbers and lets the user pick others, or let the random picker
// ("&Zufall") choose them.
#include "generate/number_list.h"
#include "generate/random_picker.h"
#include "generate/row_edit.h"

#include <QCheckBox>
#include <QDialog>

#include <array>

class QFrame;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;

namespace razoz {

class Session;

// One number of the list: its weight is its hint. A released mouse button is reported after the
// click it makes, as the weight rules expect.
class WeightBox : public QCheckBox {
    Q_OBJECT
public:
    WeightBox(int number, QWidget* parent);
    int number() const { return number_; }

signals:
    void released(Qt::MouseButton button);
    void hovered();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    int number_;
};

class TForm6 : public QDialog, public NumberList {
    Q_OBJECT
public:
    // Modal results of the buttons.
    enum Result { ResultOk = 1, ResultCancel = 2, ResultAbort = 3, ResultRetry = 4 };

    explicit TForm6(Session& session, RandomGenerator& random = RandomGenerator::shared(), QWidget* parent = nullptr);

    // The calculation's number list: the entries shown with the calculation's buttons ("&Rechnen"
    // over "OK", "Abbruch"), modally; they come back as the user left them.
    NumberListOutcome edit(NumberListEntries& entries) override;

    NumberListEntries entries() const;
    void setEntries(const NumberListEntries& entries);
    QString weight(int number) const;

    // Editing a tip row (TippEdit): "&Zufall" instead of "&Rechnen", six picks, the row's numbers
    // checked and marked; afterwards the calculation's look again.
    void beginRowEdit(const NumberMarks& row);
    NumberMarks checkedNumbers() const;
    void endRowEdit();

    // The design colours of a number: normal, and marked (the edited row, the random picks).
    QColor normalColour() const;
    static inline const QColor kMarkedColour{255, 255, 0};
    QColor boxColour(int number) const;

    bool DecrementMode = false;
    RandomPicker& picker() { return picker_; }

    // Controls
    std::array<WeightBox*, 49> CheckBox{}; // CheckBox1 … CheckBox49 at [k - 1]
    QFrame* Panel1;
    QToolButton* SpeedButton1; // save the list
    QToolButton* SpeedButton2; // load a list
    QPushButton* BitBtn2;      // "Abbruch"
    QPushButton* BitBtn4;      // "&Zufall"
    QPushButton* BitBtn1;      // "OK"
    QPushButton* BitBtn3;      // "&Rechnen", over "OK"
    QStatusBar* StatusBar1;
    QTimer* Timer1;

public slots:
    void CheckBox1Click(razoz::WeightBox* box);
    void CheckBox17MouseDown(razoz::WeightBox* box, Qt::MouseButton button);
    void CheckBox1MouseMove(razoz::WeightBox* box);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void BitBtn4Click();
    void Timer1Timer();
    void FormClose();
    void done(int result) override;
    void reject() override;

private:
    void showWeight(WeightBox* box);
    void setBoxColour(WeightBox* box, const QColor& colour);
    void showMarks(const NumberMarks& marks);
    void calculationLook();

    Session& session_;
    RandomGenerator& random_;
    RandomPicker picker_;
    QString pickerCaption_;
};

} // namespace razoz
