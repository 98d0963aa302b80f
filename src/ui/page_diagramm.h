#pragma once
// The "Diagramm" page: the button bar Panel7 with the start date and the statistic buttons, and the
// chart Chart1 below it. The page runs every statistic of the program: the buttons here, the
// "Datenbank" page, the chart shortcuts of the calculation pages and tip generation call its handlers.
#include "app/interface_texts.h"
#include "app/prompt.h"
#include "archive/draw_filter.h"
#include "stats/statistics.h"

#include <QWidget>

#include <functional>
#include <optional>

class QDateEdit;
class QFrame;
class QToolButton;

namespace razoz {

class ChartView;

class DiagrammPage : public QWidget {
    Q_OBJECT
public:
    // What the page reads from the main window, each at the moment a statistic runs. Wiring in TForm1:
    //   diagramm->setHost({[this] { return ProgramFolder; }, [this] { return endDate(); },
    //                      [this] { return drawDays(); },
    //                      [this]() -> const InterfaceTexts& { return Memo2; },
    //                      [this]() -> Prompt& { return prompt(); },
    //                      [this] { PageControl1->setCurrentWidget(diagramm); }});
    // A missing function falls back to: no folder, today, both draw days, no texts, no messages, no switch.
    struct Host {
        std::function<QString()> programFolder;       // with trailing separator; the archive lies in it
        std::function<double()> endDate;              // DateTimePicker1 on the "Datenbank" page
        std::function<DrawDays()> drawDays;           // CheckBox16 "Samstag …", CheckBox17 "Donnerstag …"
        std::function<const InterfaceTexts&()> texts; // the numbered texts of the current language
        std::function<Prompt&()> prompt;              // archive errors are shown through it
        std::function<void()> showPage;               // makes "Diagramm" the current page of PageControl1
    };

    explicit DiagrammPage(QWidget* parent = nullptr);
    void setHost(Host host);

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

    Host host_;
    std::optional<Statistic> lastStatistic_;
};

} // namespace razoz
