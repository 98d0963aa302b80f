#pragma once
// "Gewinnklassen": how often rows would have won each prize tier over a range of the archive,
// beside the count chance alone gives, and with a stake and known prizes what that would have cost
// and paid, draw by draw. The rows are the grid's unless a tip file or another page gives its own.
#include "app/prize_settings.h"
#include "check/prize_tiers.h"
#include "tipfiles/tip_file.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace razoz {

class BalanceLineView;
class DatePicker;
class LongActionRunner;
class Session;
class TierBarsView;

class TiersDialog : public QDialog {
    Q_OBJECT
public:
    // `gridRows` reads the grid at the moment a computation starts.
    TiersDialog(Session& session, LongActionRunner& runner, std::function<TipRows()> gridRows,
                QWidget* parent = nullptr);

    // Shows the dialog for the grid's rows, over the whole archive and the session's draw days.
    void showForGrid();
    // Shows it for rows of another page; `title` names them ("System 7 aus 10" …).
    void showFor(const TipRows& rows, const QString& title);

    // "Berechnen": runs the tier history on the runner; the result shows when it has run.
    void compute();
    // "Tippdatei laden…": the rows of a tip file instead of the grid's.
    void loadTipFile();
    // The stake and prizes as the fields hold them (an unreadable field counts as unknown).
    TierMoney money() const;
    const std::optional<TierHistory>& history() const { return history_; }

    QLabel* rowsLabel;
    QPushButton* loadButton; // "Tippdatei laden…"
    QPushButton* gridButton; // back to the grid's rows
    DatePicker* startPicker;
    DatePicker* endPicker;
    QCheckBox* saturdays;
    QCheckBox* thursdays;
    QPushButton* computeButton; // "Berechnen"
    QLineEdit* stakeEdit;
    std::array<QLineEdit*, 6> prizeEdits{}; // "6 + R", "6", "5 + C", "5", "4", "3"
    QLabel* rangeLabel;
    QTableWidget* table;
    TierBarsView* bars;
    BalanceLineView* balanceChart;
    QLabel* balanceLabel;

private:
    void resetRange();
    void showRowsSource();
    void showHistory();
    void showBalance();
    void moneyEdited();

    Session& session_;
    LongActionRunner& runner_;
    std::function<TipRows()> gridRows_;
    std::optional<TipRows> ownRows_; // from a tip file or another page; none: the grid's
    QString ownTitle_;
    std::optional<TierHistory> history_;
    bool filling_ = false; // the fields are filled from the settings, not edited
};

} // namespace razoz
