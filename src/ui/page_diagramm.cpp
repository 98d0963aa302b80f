#include "ui/page_diagramm.h"

#include "app/session.h"

#include "archive/dates.h"
#include "archive/draw_archive.h"
#include "ui/chart_view.h"
#include "ui/date_picker.h"

#include <QApplication>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace razoz {

namespace {

// Shared with DateTimePicker1 of the "Datenbank" page.
const QString kStartDateHint =
    QStringLiteral("Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen danach werden nicht berücksichtigt");

// The hourglass for the length of a run, also when the run ends with an error.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QToolButton* speedButton(QWidget* parent, const char* name, const QString& caption, const QString& hint = {})
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    if (!hint.isEmpty()) b->setToolTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumWidth(60);
    parent->layout()->addWidget(b);
    return b;
}

} // namespace

DiagrammPage::DiagrammPage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet5"));
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);

    Panel7 = new QFrame(this);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setFrameShape(QFrame::StyledPanel);
    auto* bar = new QHBoxLayout(Panel7);
    bar->setContentsMargins(6, 4, 6, 4);

    DateTimePicker2 = new DatePicker(Panel7);
    DateTimePicker2->setObjectName(QStringLiteral("DateTimePicker2"));
    DateTimePicker2->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateTimePicker2->setCalendarPopup(true);
    DateTimePicker2->setMinimumDate(fromDays(kEarliestDrawDay));
    DateTimePicker2->setDate(fromDays(kDesignStartDay));
    DateTimePicker2->setToolTip(kStartDateHint);
    bar->addWidget(DateTimePicker2);

    SpeedButton200 = speedButton(Panel7, "SpeedButton200", QStringLiteral("Verteilung"),
                                 QStringLiteral("Verteilung der gezogenen Zahlen"));
    SpeedButton9 = speedButton(Panel7, "SpeedButton9", QStringLiteral("Ausstehende"),
                               QStringLiteral("wie lange sind die einzelnen Zahlen überfällig"));
    SpeedButton900 = speedButton(Panel7, "SpeedButton900", QStringLiteral("QS"),
                                 QStringLiteral("Verteilung der Quersummen der gezogenen Zahlen"));
    SpeedButton33 = speedButton(Panel7, "SpeedButton33", QStringLiteral("Reintegro"),
                                QStringLiteral("Verteilung der gezogenen Superzahlen (Reintegro)"));
    SpeedButton34 = speedButton(Panel7, "SpeedButton34", QStringLiteral("Reintegro offen"),
                                QStringLiteral("wie lange sind die einzelnen Sternzahlen überfällig"));
    SpeedButton1 = speedButton(Panel7, "SpeedButton1", QStringLiteral("2er"),
                               QStringLiteral("Diagramm der Paarbildung der Zahlen"));
    SpeedButton3 = speedButton(Panel7, "SpeedButton3", QStringLiteral("3er"),
                               QStringLiteral("Diagramm der Dreiergruppen der Zahlen"));
    SpeedButton2 = speedButton(Panel7, "SpeedButton2", QStringLiteral("4er"),
                               QStringLiteral("Diagramm der Vierergruppen der Zahlen"));
    bar->addStretch(1);
    page->addWidget(Panel7);

    Chart1 = new ChartView(this);
    page->addWidget(Chart1, 1);

    connect(SpeedButton200, &QToolButton::clicked, this, &DiagrammPage::SpeedButton2Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &DiagrammPage::Button5Click);
    connect(SpeedButton900, &QToolButton::clicked, this, &DiagrammPage::SpeedButton9Click);
    connect(SpeedButton33, &QToolButton::clicked, this, &DiagrammPage::SuperseltenClick);
    connect(SpeedButton34, &QToolButton::clicked, this, &DiagrammPage::Button8Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &DiagrammPage::Button2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &DiagrammPage::Button3Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &DiagrammPage::Button4Click);
}

double DiagrammPage::startDate() const
{
    return toDays(DateTimePicker2->date());
}

void DiagrammPage::setStartDate(double days)
{
    DateTimePicker2->setDate(fromDays(days));
}

const BarChart& DiagrammPage::lastChart() const
{
    return Chart1->barChart();
}

void DiagrammPage::showChart(const BarChart& chart)
{
    Chart1->setRangeWords(session_.text(56), session_.text(57));
    Chart1->setBarChart(chart);
    lastStatistic_.reset();
}

void DiagrammPage::showPage()
{
    session_.showPage(this);
}

StatsRange DiagrammPage::currentRange() const
{
    StatsRange r;
    r.start = startDate();
    r.end = session_.endDate();
    r.days = session_.drawDays();
    return r;
}

bool DiagrammPage::runStatistic(Statistic statistic)
{
    BarChart chart;
    try {
        WaitCursor hourglass;
        chart = razoz::runStatistic(statistic, session_.archivePath(), currentRange(), session_.texts());
    } catch (const ArchiveError& e) {
        session_.prompt().error(e.message());
        return false;
    }
    Chart1->setRangeWords(session_.text(56), session_.text(57));
    Chart1->setBarChart(chart);
    lastStatistic_ = statistic;
    return true;
}

void DiagrammPage::run(Statistic statistic, PageSwitch when)
{
    if (when == PageSwitch::Before) showPage();
    if (runStatistic(statistic) && when == PageSwitch::After) showPage();
}

void DiagrammPage::SpeedButton2Click()
{
    run(Statistic::Frequency, PageSwitch::None);
}
void DiagrammPage::Button5Click()
{
    run(Statistic::Overdue, PageSwitch::After);
}
void DiagrammPage::SpeedButton9Click()
{
    run(Statistic::Sums, PageSwitch::None);
}
void DiagrammPage::DiagrammQuersummen()
{
    run(Statistic::Sums, PageSwitch::Before);
}
void DiagrammPage::Label88Click()
{
    DiagrammQuersummen();
}
void DiagrammPage::SuperseltenClick()
{
    run(Statistic::Reintegro, PageSwitch::Before);
}
void DiagrammPage::SpeedButton3Click()
{
    run(Statistic::Reintegro, PageSwitch::None);
}
void DiagrammPage::Button8Click()
{
    run(Statistic::ReintegroOverdue, PageSwitch::After);
}
void DiagrammPage::Button2Click()
{
    run(Statistic::Pairs, PageSwitch::After);
}
void DiagrammPage::Button3Click()
{
    run(Statistic::Triples, PageSwitch::After);
}
void DiagrammPage::Button4Click()
{
    run(Statistic::Quads, PageSwitch::After);
}
void DiagrammPage::SpeedButton21Click()
{
    Button2Click();
}
void DiagrammPage::SpeedButton27Click()
{
    Button3Click();
}
void DiagrammPage::SpeedButton28Click()
{
    Button4Click();
}
void DiagrammPage::Label89Click()
{
    run(Statistic::Pairs, PageSwitch::Before);
}
void DiagrammPage::Label91Click()
{
    run(Statistic::Triples, PageSwitch::Before);
}
void DiagrammPage::Label90Click()
{
    run(Statistic::Quads, PageSwitch::Before);
}
void DiagrammPage::Button9Click()
{
    run(Statistic::Primes, PageSwitch::After);
}
void DiagrammPage::Button10Click()
{
    run(Statistic::Odd, PageSwitch::After);
}
void DiagrammPage::Button11Click()
{
    run(Statistic::Even, PageSwitch::After);
}

} // namespace razoz
