#pragma once
// "Statistisch", the first inner page of "Berechnung": the preferences built from the statistics of
// the archive, each row with the chart shortcut of the statistic it relies on.
#include <QWidget>

class QToolButton;

namespace razoz {

class DiagrammPage;
class Session;

class StatistischPage : public QWidget {
    Q_OBJECT
public:
    // Shortcuts stand at the right end of the row of the preference they chart (rows 26 pixels apart):
    //   y 34 SpeedButton26 – "Zahlen die besonders oft gezogen wurden bevorzugen" (and "… selten …" below)
    //   y 86 SpeedButton22 – "Zahlen die am längsten überfällig sind"
    //   y 112 SpeedButton23 – pairs, y 138 SpeedButton24 – triples, y 164 SpeedButton25 – quads
    static constexpr int kShortcutLeft = 560;
    StatistischPage(Session& session, DiagrammPage& diagramm, QWidget* parent = nullptr);

    QToolButton* SpeedButton26; // number frequency
    QToolButton* SpeedButton22; // number overdue
    QToolButton* SpeedButton23; // pairs
    QToolButton* SpeedButton24; // triples
    QToolButton* SpeedButton25; // quads

private:
    Session& session_;
};

} // namespace razoz
