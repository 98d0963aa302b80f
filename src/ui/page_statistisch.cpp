#include "ui/page_statistisch.h"

#include "ui/control_factory.h"
#include "ui/page_diagramm.h"
#include "ui/settings_page_layout.h"

#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

namespace razoz {

StatistischPage::StatistischPage(Session& session, DiagrammPage& diagramm, QWidget* parent)
    : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet6"));
    const QString shareHint =
        QStringLiteral("Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen");
    const auto share = [&](IntKey upDown, const char* edit) {
        SpinControl* s = makeSpin(this, upDown, edit, shareHint);
        s->setSuffix(QStringLiteral(" %"));
        return s;
    };

    Label73 = makeLabel(this, "Label73", QStringLiteral("Zahlen für die Tipps über Statistik bevorzugen"));
    CheckBox2 = makeCheckBox(this, "CheckBox2", QStringLiteral("Zahlen die besonders oft gezogen wurden bevorzugen"),
                             QStringLiteral("Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen"));
    Edit85 = share(key::MostDrawnSharePercent, "Edit85");
    CheckBox14 =
        makeCheckBox(this, "CheckBox14", QStringLiteral("Zahlen die besonders selten gezogen wurden bevorzugen"),
                     QStringLiteral("die ersten X% der am seltensten gezogenen Zahlen bevorzugen"));
    Edit87 = share(key::LeastDrawnSharePercent, "Edit87");
    CheckBox10 = makeCheckBox(this, "CheckBox10", QStringLiteral("Zahlen die am längsten überfällig sind"),
                              QStringLiteral("die ersten X% der am längsten überfälligen Zahlen bevorzugen"));
    Edit86 = share(key::OverdueSharePercent, "Edit86");
    Label74 = makeLabel(
        this, "Label74",
        QStringLiteral("Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom Maximum)"));
    CheckBox1 = makeCheckBox(this, "CheckBox1", QStringLiteral("Zahlen mit einer häufigen Paarebildung bevorzugen"));
    CheckBox11 = makeCheckBox(this, "CheckBox11", QStringLiteral("seltensten"));
    CheckBox6 =
        makeCheckBox(this, "CheckBox6", QStringLiteral("Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen"));
    CheckBox12 = makeCheckBox(this, "CheckBox12", QStringLiteral("seltensten"));
    CheckBox7 =
        makeCheckBox(this, "CheckBox7", QStringLiteral("Zahlen mit einer häufigen Viergruppenbildung bevorzugen"));
    CheckBox13 = makeCheckBox(this, "CheckBox13", QStringLiteral("seltensten"));
    CheckBox19 = makeCheckBox(this, "CheckBox19", QStringLiteral("benachbarte Zahlen der letzten Ziehung bevorzugen"));
    Label75 = makeLabel(this, "Label75",
                        QStringLiteral("Für höherer Quoten können verschiedene Zahlen  \"benachteiligt\" werden"));
    CheckBox29 = makeCheckBox(this, "CheckBox29",
                              QStringLiteral("vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) "));
    CheckBox30 = makeCheckBox(
        this, "CheckBox30",
        QStringLiteral("Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  seltener im Tipp enthalten"));
    Label76 = makeLabel(this, "Label76",
                        QStringLiteral("Unter \"Allgemein\" können Sie festlegen, dass nur diese Zahlen für die "
                                       "Tippberechnung verwendet werden"));

    SpeedButton26 =
        makeChartShortcut(this, "SpeedButton26", QStringLiteral("Diagramm der Verteilung der gezogenen Zahlen"));
    SpeedButton22 = makeChartShortcut(this, "SpeedButton22", QStringLiteral("Diagramm der ausstehenden Zahlen"));
    SpeedButton23 = makeChartShortcut(this, "SpeedButton23", QStringLiteral("Diagramm der Paarbildung der Zahlen"));
    SpeedButton24 = makeChartShortcut(this, "SpeedButton24", QStringLiteral("Diagramm der Dreiergruppen der Zahlen"));
    SpeedButton25 = makeChartShortcut(this, "SpeedButton25", QStringLiteral("Diagramm der Vierergruppen der Zahlen"));

    // Chart shortcut | preference | its share or its "rarest" variant; a preference without either
    // takes the whole line, so the shares stay close to their captions.
    SettingsPageLayout page(this);
    page.heading(Label73);
    page.rule(SpeedButton26, CheckBox2, Edit85);
    page.rule(nullptr, CheckBox14, Edit87); // the frequency chart above shows the rarest too
    page.rule(SpeedButton22, CheckBox10, Edit86);
    page.note(Label74);
    page.rule(SpeedButton23, CheckBox1, CheckBox11);
    page.rule(SpeedButton24, CheckBox6, CheckBox12);
    page.rule(SpeedButton25, CheckBox7, CheckBox13);
    page.sentence(nullptr, CheckBox19);
    page.heading(Label75);
    page.sentence(nullptr, CheckBox29);
    page.sentence(nullptr, CheckBox30);
    page.note(Label76);
    page.finish();

    // The frequency itself stays on its page; a shortcut is there to show the chart.
    DiagrammPage* chart = &diagramm;
    connect(SpeedButton26, &QToolButton::clicked, chart, [chart] {
        chart->showPage();
        chart->SpeedButton2Click();
    });
    connect(SpeedButton22, &QToolButton::clicked, chart, &DiagrammPage::Button5Click);
    connect(SpeedButton23, &QToolButton::clicked, chart, &DiagrammPage::Label89Click);
    connect(SpeedButton24, &QToolButton::clicked, chart, &DiagrammPage::Label91Click);
    connect(SpeedButton25, &QToolButton::clicked, chart, &DiagrammPage::Label90Click);
}

} // namespace razoz
