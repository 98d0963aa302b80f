#pragma once
// The "Systeme" page: chosen numbers and a guarantee "t if m", the sizes that request implies
// (shown while typing), the system built for it with its rows, the slips of twelve rows it takes,
// its cost and the check of any rows. The page holds the controls and what they show; the work is
// in SystemActions (ui/system_actions.h).
#include "systems/system_build.h"
#include "tipfiles/tip_file.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace razoz {

class SystemePage : public QWidget {
    Q_OBJECT
public:
    using Row = std::array<int, systems::kRowSize>;

    explicit SystemePage(QWidget* parent = nullptr);

    QLineEdit* SysNumbers;       // the chosen numbers, "1 5 7 12 …"
    QPushButton* SysFromGrid;    // the numbers of the grid's rows
    QPushButton* SysFromPool;    // the numbers of the calculation's pool
    QSpinBox* SysT;              // hits a row reaches …
    QSpinBox* SysM;              // … whenever this many drawn numbers are among the chosen
    QSpinBox* SysSeconds;        // time limit of the search
    QLabel* SysSizes;            // full system, lower bound, best known size
    QLabel* SysMessage;          // why the numbers cannot be used, why nothing was built
    QPushButton* SysBuild;       // "System berechnen", "Anhalten" while it runs
    QPushButton* SysCheck;       // "Prüfen…"
    QPushButton* SysTiers;       // "Gewinnklassen…"
    QLabel* SysResult;           // size, source, optimal or gap
    QPlainTextEdit* SysRows;     // the rows, read-only
    QPushButton* SysToGrid;      // the shown slip into the grid
    QToolButton* SysPrev;        // previous slip into the grid
    QLabel* SysSlip;             // "Schein 2 von 9"
    QToolButton* SysNext;        // next slip into the grid
    QPushButton* SysSave;        // "Tippdateien speichern…"
    QPushButton* SysPrint;       // "Scheine drucken"
    QLabel* SysCost;             // rows × price per draw
    QPlainTextEdit* SysCheckOut; // the guarantee table and the first holes

    // The typed numbers ascending; nullopt (the reason shown, the text kept) when they cannot be used.
    std::optional<std::vector<int>> numbers();
    systems::Guarantee guarantee() const;
    void setNumbers(const std::vector<int>& numbers);
    void showMessage(const QString& text);

    // The system on show: its rows, its slips of twelve and their cost.
    void showSystem(const systems::BuiltSystem& system);
    void showProgress(int size);
    const std::vector<Row>& rows() const { return rows_; }
    const std::vector<int>& systemNumbers() const { return systemNumbers_; }
    systems::Guarantee systemGuarantee() const { return systemGuarantee_; }
    int slipCount() const;
    int slip() const { return slip_; }
    void setSlip(int index);
    // The twelve rows of a slip as the grid holds them (rows after the system's last stay empty).
    TipRows slipRows(int index) const;
    void showCheck(const QString& text);

    // While a long action runs only `stopper` stays usable; afterwards each control as its state allows.
    void setBusy(bool busy, const QObject* stopper = nullptr);
    void setBuilding(bool building);

signals:
    // "Gewinnklassen…": the rows of the slip on show.
    void tiersRequested(razoz::TipRows rows);

private:
    void showSizes();
    void updateEnabled();

    std::vector<Row> rows_;
    std::vector<int> systemNumbers_;
    systems::Guarantee systemGuarantee_;
    int slip_ = 0;
    bool busy_ = false;
};

// The numbers of a text "1 5 7 12", "1,5;7": the numbers or why they cannot be chosen (German).
struct ChosenNumbers {
    std::vector<int> numbers; // ascending
    QString problem;          // empty when they can be used
};
ChosenNumbers readChosenNumbers(const QString& text);

} // namespace razoz
