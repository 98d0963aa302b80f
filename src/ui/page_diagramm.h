#pragma once
// The "Diagramm" page: the button bar Panel7 with the start date and the statistic buttons, and the
// chart Chart1 below it. The page runs every statistic of the program: the buttons here, the
// "Datenbank" page, the chart shortcuts of the calculation pages and tip generation call its handlers.
#include "stats/statistics.h"

#include <QWidget>

#include <optional>

class QDateEdit;
class QFrame;
class QToolButton;

namespace razoz {

class ChartView;
class Session;

class DiagrammPage : public QWidget {
    Q_OBJECT
public:
    // The page reads the program folder, the end of the range, the draw days, the texts and the prompt
    // from the session at the moment a statistic runs.
    explicit DiagrammPage(Session& session, QWidget* parent = nullptr);

    // Controls
    QFrame* Panel7;
    QDateEdit* DateTimePicker2;  // start of the evaluated range
    QToolButton* SpeedButton200; // number frequency
    QToolButton* SpeedButton9;   // "Ausstehende"
    QToolButton* SpeedButton900; // "QS"
    QToolButton* SpeedButton33;  // "Reintegro"
    QToolButton* SpeedButton34;  // "Reintegro offen"
    QToolButton* SpeedButton1;   // "2er"
    QToolButton* SpeedButton3;   // "3er"
    QToolButton* SpeedButton2;   // "4er"
    ChartView* Chart1;

    // The start date as a day count (DateTimePicker2); the settings store saves and restores it.
    double startDate() const;
    void setStartDate(double days);

    // The chart value now shown (bars, axis limits, title): the pool builder of tip generation and
    // slip printing read the statistic they ran from here.
    const BarChart& lastChart() const;
    std::optional<Statistic> lastStatistic() const { return lastStatistic_; }

    // Runs one statistic and shows it, with the hourglass meanwhile. False when the archive could not
    // be read: the error has been shown and the chart is unchanged.
    bool runStatistic(Statistic statistic);
    // Shows a chart that is no statistic of this page (tip generation's pool statistics, the tip
    // distribution); the last statistic is then none.
    void showChart(const BarChart& chart);
    // Switches the main window to this page.
    void showPage();

public slots:
    // Number frequency ("Verteilung der gezogenen Zahlen"); stays on the current page.
    void SpeedButton2Click();
    // Number overdue; ends on the "Diagramm" page.
    void Button5Click();
    // Sum distribution ("QS"); stays on the current page.
    void SpeedButton9Click();
    // Sum distribution from the "Mathematisch" tab: the page first, then the chart.
    void DiagrammQuersummen();
    void Label88Click();
    // Reintegro frequency from its button: the page first. Slip printing calls SpeedButton3Click.
    void SuperseltenClick();
    void SpeedButton3Click();
    // Reintegro overdue; ends on the "Diagramm" page.
    void Button8Click();
    // Pairs, triples, quads; each ends on the "Diagramm" page.
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void SpeedButton21Click();
    void SpeedButton27Click();
    void SpeedButton28Click();
    // The same from the explanatory texts: the page first.
    void Label89Click();
    void Label91Click();
    void Label90Click();
    // Primes, odd and even numbers per draw; each ends on the "Diagramm" page.
    void Button9Click();
    void Button10Click();
    void Button11Click();

private:
    enum class PageSwitch { None, Before, After };
    void run(Statistic statistic, PageSwitch when);
    StatsRange currentRange() const;

    Session& session_;
    std::optional<Statistic> lastStatistic_;
};

} // namespace razoz
