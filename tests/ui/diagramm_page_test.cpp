// The "Diagramm" page offscreen: real buttons, real chart, real archive files.
#include "app/session.h"
#include "archive/dates.h"
#include "main_window.h"
#include "test_support.h"
#include "ui/chart_view.h"
#include "ui/click_label.h"
#include "ui/page_berechnung.h"
#include "ui/page_datenbank.h"
#include "ui/page_diagramm.h"
#include "ui/page_mathematisch.h"
#include "ui/page_statistisch.h"
#include "ui/stats_buttons.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QDateEdit>
#include <QLegend>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QValueAxis>

#include <gtest/gtest.h>

using namespace razoz;
using razoz::test::draw;
using razoz::test::ProgramDir;
using razoz::test::ScriptedPrompt;

namespace {

struct Fixture {
    ProgramDir dir;
    ScriptedPrompt prompt;
    Session session{dir.path(), prompt};
    int pageSwitches = 0;
    DiagrammPage page{session};

    Fixture()
    {
        session.setTexts({"Häufigkeit", "Ziehungen", "QS", "Reintegro"});
        session.setEndDate(toDays(QDate(2005, 12, 31)));
        QObject::connect(&session, &Session::pageRequested, [this](QObject* p) {
            EXPECT_EQ(p, &page);
            ++pageSwitches;
        });
        page.resize(900, 500);
        page.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&page));
    }
    ChartView& chart() { return *page.Chart1; }
};

void click(QAbstractButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

TEST(DiagrammPage, Panel7ButtonsFillSeries2)
{
    Fixture f;
    f.dir.writeArchive({draw(QDate(2005, 4, 2), {3, 11, 13, 15, 34, 35}, 27, 4), // on the start date
                        draw(QDate(2005, 4, 7), {28, 29, 30, 31, 40, 41}, 1, 7)});
    click(f.page.SpeedButton200);

    ChartView& chart = f.chart();
    auto* series2 = chart.chart()->findChild<QStackedBarSeries*>("Series2");
    auto* series1 = chart.chart()->findChild<QBarSeries*>("Series1");
    ASSERT_NE(series2, nullptr);
    ASSERT_NE(series1, nullptr);
    EXPECT_TRUE(series2->isVisible());
    EXPECT_FALSE(series1->isVisible());
    EXPECT_FALSE(series2->isLabelsVisible());
    ASSERT_EQ(chart.drawnBarCount(), 49);
    EXPECT_EQ(chart.drawnHeight(2), 1); // 3, drawn on the start date
    EXPECT_EQ(chart.drawnColour(2), ChartView::kRed);
    EXPECT_EQ(chart.drawnHeight(27), 1); // 28
    EXPECT_EQ(chart.drawnColour(27), ChartView::kGreen);
    EXPECT_EQ(chart.drawnHeight(26), 1); // 27, the complementary number
    EXPECT_EQ(chart.leftAxis()->min(), 0);
    EXPECT_EQ(chart.leftAxis()->max(), 1);
    EXPECT_EQ(f.page.lastChart().title, "Häufigkeit     Ziehungen: 2    QS: 155");
    EXPECT_EQ(chart.bottomAxis()->titleText(),
              QString("Häufigkeit     Ziehungen: 2    QS: 155").replace(" ", "&nbsp;"));
    EXPECT_EQ(f.page.lastChart().bars.size(), 49u);
    EXPECT_EQ(f.page.lastStatistic(), Statistic::Frequency);
    EXPECT_EQ(f.pageSwitches, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // "Ausstehende": strictly after the start date, ends on this page.
    click(f.page.SpeedButton9);
    EXPECT_EQ(f.page.lastStatistic(), Statistic::Overdue);
    EXPECT_EQ(chart.drawnHeight(2), 2); // 3 not drawn after the start date: 1 counted draw + 1
    EXPECT_EQ(chart.drawnHeight(27), 1);
    EXPECT_EQ(f.pageSwitches, 1);

    // "QS": one bar per sum from the smallest to the largest, automatic left axis.
    click(f.page.SpeedButton900);
    EXPECT_EQ(chart.drawnBarCount(), 1); // only the draw after the start date
    EXPECT_EQ(chart.drawnColour(0), ChartView::kGreen);
    EXPECT_FALSE(f.page.lastChart().leftAxis.has_value());
    EXPECT_GE(chart.leftAxis()->max(), 1);
    EXPECT_EQ(f.pageSwitches, 1);

    // "4er": 49 bars, the quad 28-31.
    click(f.page.SpeedButton2);
    EXPECT_EQ(chart.drawnBarCount(), 49);
    EXPECT_EQ(chart.drawnHeight(27), 1);
    EXPECT_EQ(f.pageSwitches, 2);
    click(f.page.SpeedButton1);
    EXPECT_EQ(chart.drawnBarCount(), 48);
    click(f.page.SpeedButton3);
    EXPECT_EQ(chart.drawnBarCount(), 47);

    // "Reintegro" and "Reintegro offen".
    click(f.page.SpeedButton33);
    EXPECT_EQ(chart.drawnBarCount(), 10);
    EXPECT_EQ(chart.drawnHeight(4), 1);
    click(f.page.SpeedButton34);
    EXPECT_EQ(chart.drawnHeight(7), 1);
    EXPECT_EQ(chart.drawnHeight(4), 1); // 4 was drawn only on the start date: never in range
    // All bars equal: the value keeps its limits, the drawing needs some height and shows the bars.
    EXPECT_EQ(f.page.lastChart().leftAxis, (AxisLimits{1, 1}));
    EXPECT_EQ(chart.leftAxis()->min(), 0);
    EXPECT_EQ(chart.leftAxis()->max(), 2);

    // Moving the start date back takes the earlier draw in.
    f.page.DateTimePicker2->setDate(QDate(2005, 4, 1));
    click(f.page.SpeedButton9);
    EXPECT_EQ(chart.drawnHeight(1), 3); // 2: in neither of the two counted draws
    QTest::qWait(50);
}

TEST(DiagrammPage, TheSmallestBarStaysVisibleAboveFixedLimits)
{
    Fixture f;
    f.session.setEndDate(toDays(QDate(2040, 1, 1)));
    f.page.setStartDate(kEarliestDrawDay);
    f.dir.writeArchive(test::syntheticArchive(600));
    click(f.page.SpeedButton200);
    const BarChart& value = f.page.lastChart();
    ASSERT_TRUE(value.leftAxis.has_value());
    double smallest = value.bars.front().y;
    for (const auto& b : value.bars) smallest = std::min(smallest, b.y);
    ASSERT_GT(smallest, 0);
    // The value keeps the limits tip generation reads; the drawing starts below the smallest bar.
    EXPECT_EQ(value.leftAxis->min, smallest);
    EXPECT_LT(f.chart().leftAxis()->min(), smallest);
    EXPECT_GE(f.chart().leftAxis()->min(), 0);
    EXPECT_EQ(f.chart().leftAxis()->max(), value.leftAxis->max);
}

TEST(DiagrammPage, MissingArchiveLeavesChartAndReports)
{
    Fixture f;
    f.dir.writeArchive({draw(QDate(2005, 4, 7), {1, 2, 3, 4, 5, 6}, 7, 0)});
    click(f.page.SpeedButton200);
    const BarChart before = f.page.lastChart();
    QFile::remove(f.dir.archivePath());

    click(f.page.SpeedButton9);
    ASSERT_EQ(f.prompt.texts("error").size(), 1);
    EXPECT_TRUE(f.prompt.texts("error").first().contains("dovovuduv.dat"));
    EXPECT_EQ(f.page.lastChart(), before);
    EXPECT_EQ(f.page.lastStatistic(), Statistic::Frequency);
    EXPECT_EQ(f.pageSwitches, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The per-draw property charts count no draw instead of failing.
    f.page.Button9Click();
    EXPECT_EQ(f.prompt.texts("error").size(), 1);
    EXPECT_EQ(f.chart().drawnBarCount(), 7);
    EXPECT_EQ(f.pageSwitches, 1);
}

// Every chart button and shortcut outside the chart page, the statistic it must draw and whether it
// brings the chart page to the front.
struct Shortcut {
    const char* page;
    const char* name;
    Statistic statistic;
    bool switchesPage;
};

const Shortcut kShortcuts[] = {
    {"Datenbank", "Button5", Statistic::Overdue, true},
    {"Datenbank", "Button8", Statistic::ReintegroOverdue, true},
    {"Datenbank", "Button2", Statistic::Pairs, true},
    {"Datenbank", "Button3", Statistic::Triples, true},
    {"Datenbank", "Button4", Statistic::Quads, true},
    {"Datenbank", "Button9", Statistic::Primes, true},
    {"Datenbank", "Button10", Statistic::Odd, true},
    {"Datenbank", "Button11", Statistic::Even, true},
    {"Statistisch", "SpeedButton26", Statistic::Frequency, true},
    {"Statistisch", "SpeedButton22", Statistic::Overdue, true},
    {"Statistisch", "SpeedButton23", Statistic::Pairs, true},
    {"Statistisch", "SpeedButton24", Statistic::Triples, true},
    {"Statistisch", "SpeedButton25", Statistic::Quads, true},
    {"Mathematisch", "SpeedButton17", Statistic::Sums, true},
    {"Mathematisch", "Label88", Statistic::Sums, true},
    {"Mathematisch", "SpeedButton21", Statistic::Pairs, true},
    {"Mathematisch", "Label89", Statistic::Pairs, true},
    {"Mathematisch", "SpeedButton27", Statistic::Triples, true},
    {"Mathematisch", "Label91", Statistic::Triples, true},
    {"Mathematisch", "SpeedButton28", Statistic::Quads, true},
    {"Mathematisch", "Label90", Statistic::Quads, true},
    {"Mathematisch", "SpeedButton29", Statistic::Primes, true},
    {"Mathematisch", "SpeedButton32", Statistic::Odd, true},
    {"Mathematisch", "SpeedButton31", Statistic::Even, true},
};

void PrintTo(const Shortcut& s, std::ostream* os)
{
    *os << s.page << "/" << s.name;
}

class ChartShortcut : public testing::TestWithParam<Shortcut> {};

TEST_P(ChartShortcut, DrawsItsStatisticOnTheChartPage)
{
    const Shortcut& s = GetParam();
    Fixture f;
    f.dir.writeArchive(
        {draw(QDate(2005, 4, 7), {2, 3, 5, 7, 11, 13}, 4, 0), draw(QDate(2005, 4, 9), {1, 4, 6, 8, 10, 12}, 17, 0)});
    DatenbankPage datenbank(f.session, f.page);
    StatistischPage statistisch(f.session, f.page);
    MathematischPage mathematisch(f.session, f.page);
    QWidget* page = QString(s.page) == "Datenbank"     ? static_cast<QWidget*>(&datenbank)
                    : QString(s.page) == "Statistisch" ? static_cast<QWidget*>(&statistisch)
                                                       : static_cast<QWidget*>(&mathematisch);
    page->resize(886, 445);
    page->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
    auto* control = page->findChild<QWidget*>(s.name);
    ASSERT_TRUE(control) << s.name;
    // Every shortcut is a different statistic than the one drawn before the click.
    f.page.runStatistic(s.statistic == Statistic::Sums ? Statistic::Frequency : Statistic::Sums);
    f.pageSwitches = 0;
    QTest::mouseClick(control, Qt::LeftButton);
    EXPECT_EQ(f.page.lastStatistic(), s.statistic);
    EXPECT_EQ(f.pageSwitches, s.switchesPage ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(EveryShortcut, ChartShortcut, testing::ValuesIn(kShortcuts),
                         [](const testing::TestParamInfo<Shortcut>& info) {
                             return std::string(info.param.page) + "_" + info.param.name;
                         });

TEST(DiagrammPage, ShortcutsStandBesideTheirRulesWithoutOverlapping)
{
    Fixture f;
    MathematischPage m(f.session, f.page);
    StatistischPage statistisch(f.session, f.page);
    DatenbankPage datenbank(f.session, f.page);
    for (QWidget* w : std::initializer_list<QWidget*>{&m, &statistisch}) {
        w->resize(886, 445);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    }
    EXPECT_EQ(datenbank.charts->Button5->toolTip(), "EErzeugt die Grafik für die Ausstehenden Zahlen");
    EXPECT_EQ(datenbank.charts->Button8->text(), "Superzahl ausstehende");
    EXPECT_EQ(m.SpeedButton29->toolTip(), "Diagramm der Primzahlen pro Tipp");
    EXPECT_EQ(m.SpeedButton32->toolTip(), "Diagramm der ungeraden Zahlen pro Tipp");
    EXPECT_EQ(m.SpeedButton31->toolTip(), "Diagramm der geraden Zahlen pro Tipp");
    // The shortcuts stand on their pages, each on its own spot, leaving room for the rows they chart;
    // "Dreier, " and "Vierer ..." read as one line.
    const auto mapped = [](QWidget* w, QWidget* page) { return QRect(w->mapTo(page, QPoint()), w->size()); };
    QList<QRect> taken;
    for (QWidget* w : std::initializer_list<QWidget*>{m.SpeedButton17, m.Label88, m.SpeedButton21, m.Label89,
                                                      m.SpeedButton27, m.SpeedButton28, m.Label91, m.Label90,
                                                      m.SpeedButton29, m.SpeedButton32, m.SpeedButton31}) {
        const QRect r = mapped(w, &m);
        EXPECT_TRUE(QRect(0, 0, 886, 445).contains(r)) << w->objectName().toStdString();
        for (const QRect& other : taken) EXPECT_FALSE(r.intersects(other)) << w->objectName().toStdString();
        taken << r;
    }
    EXPECT_EQ(mapped(m.Label91, &m).y(), mapped(m.Label90, &m).y());
    EXPECT_EQ(mapped(m.Label91, &m).right() + 1, mapped(m.Label90, &m).left());
    EXPECT_EQ(statistisch.SpeedButton26->parentWidget(), &statistisch);
}

TEST(DiagrammPage, MainWindowDrawsTheFrequencyAtStartAndSwitchesToTheChart)
{
    ProgramDir dir;
    dir.writeArchive(
        {draw(QDate(2005, 4, 7), {3, 11, 13, 15, 34, 35}, 27, 0), draw(QDate(2005, 4, 9), {1, 2, 3, 4, 5, 6}, 7, 1)});
    test::MainWindow w(dir, {.settingsFile = false});
    // Start-up: the frequency chart of the archive from the start date to today, page unchanged.
    EXPECT_EQ(w.form.diagramm()->lastStatistic(), Statistic::Frequency);
    EXPECT_EQ(w.form.diagramm()->Chart1->drawnBarCount(), 49);
    EXPECT_EQ(w.form.diagramm()->Chart1->drawnHeight(2), 2);
    EXPECT_NE(w.form.pages()->currentWidget(), w.form.diagramm());
    EXPECT_TRUE(w.prompt.shown.empty());

    // "Datenbank" buttons and the calculation shortcuts bring the chart page up.
    w.form.pages()->setCurrentWidget(w.form.datenbank());
    auto* button5 = w.form.datenbank()->findChild<QPushButton*>("Button5");
    ASSERT_NE(button5, nullptr);
    click(button5);
    EXPECT_EQ(w.form.diagramm()->lastStatistic(), Statistic::Overdue);
    EXPECT_EQ(w.form.pages()->currentWidget(), w.form.diagramm());

    w.form.pages()->setCurrentWidget(w.form.berechnung());
    auto* sb29 = w.form.berechnung()->findChild<QToolButton*>("SpeedButton29");
    ASSERT_NE(sb29, nullptr);
    sb29->click();
    EXPECT_EQ(w.form.diagramm()->lastStatistic(), Statistic::Primes);
    EXPECT_EQ(w.form.pages()->currentWidget(), w.form.diagramm());

    // The draw-day boxes of "Lottotipp" and the end date of "Datenbank" are read at the moment of use.
    w.form.datenbank()->DateTimePicker1->setDate(QDate(2005, 4, 8));
    w.form.diagramm()->SpeedButton2Click();
    EXPECT_EQ(w.form.diagramm()->Chart1->drawnHeight(2), 1);
    EXPECT_EQ(w.form.findChildren<QWidget*>("Button5").size(), 1);
}
