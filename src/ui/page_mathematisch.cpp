#include "ui/page_mathematisch.h"

#include "ui/click_label.h"
#include "ui/control_factory.h"
#include "ui/page_diagramm.h"
#include "ui/sentence_line.h"
#include "ui/settings_page_layout.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace razoz {

namespace {
constexpr int kNumbersPerRow = 6;
}

MathematischPage::MathematischPage(Session& session, DiagrammPage& diagramm, QWidget* parent)
    : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet8"));
    Label87 = makeLabel(this, "Label87", QStringLiteral("Diese Bedingungen werden in jeder Tippreihe berücksichtigt"));
    Edit37 = makeSpin(this, key::LowestSum, "Edit37", {});
    Edit38 = makeSpin(this, key::HighestSum, "Edit38", {});
    sumLine = new GapSentence(
        session, "Label86", QStringLiteral("Quersummen von                  bis                     im Tipp zulassen"),
        {Edit37, Edit38}, this);
    SpeedButton17 = makeChartShortcut(this, "SpeedButton17", QStringLiteral("Diagramm der Quersummenverteilung"));
    Label88 = makeLinkLabel(
        this, "Label88",
        QStringLiteral("Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  "));
    Label92 = makeLabel(this, "Label92",
                        QStringLiteral("Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 oder "
                                       "39-41-43-46-47-49"));
    Label93 = makeLabel(
        this, "Label93",
        QStringLiteral("Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. (Datumstipper)"));
    CheckBox22 = makeCheckBox(this, "CheckBox22", QStringLiteral("mindest Anzahl von Primzahlen in jedem Tipp"));
    Edit83 = makeSpin(this, key::MinPrimes, "Edit83", {});
    SpeedButton29 = makeChartShortcut(this, "SpeedButton29", QStringLiteral("Diagramm der Primzahlen pro Tipp"));
    CheckBox25 = makeCheckBox(this, "CheckBox25", QStringLiteral("mindest Anzahl von geraden Zahlen in jedem Tipp"));
    Edit89 = makeSpin(this, key::MinEven, "Edit89", {});
    SpeedButton31 = makeChartShortcut(this, "SpeedButton31", QStringLiteral("Diagramm der geraden Zahlen pro Tipp"));
    CheckBox26 = makeCheckBox(this, "CheckBox26", QStringLiteral("mindest Anzahl ungeraden Zahlen in jedem Tipp"));
    Edit90 = makeSpin(this, key::MinOdd, "Edit90", {});
    SpeedButton32 = makeChartShortcut(this, "SpeedButton32", QStringLiteral("Diagramm der ungeraden Zahlen pro Tipp"));
    SpeedButton21 = makeChartShortcut(this, "SpeedButton21", QStringLiteral("Diagramm der Paarbildung der Zahlen"));
    Label89 =
        makeLinkLabel(this, "Label89",
                      QStringLiteral("Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden."));
    CheckBox8 = makeCheckBox(this, "CheckBox8", QStringLiteral("eine Paarbildung pro Tipp erzwingen"));

    // "Dreier, " and "Vierer ..." read as one sentence whatever the language makes of their lengths.
    auto* runs = new QWidget(this);
    SpeedButton27 = makeChartShortcut(runs, "SpeedButton27", QStringLiteral("Diagramm der Dreiergruppen der Zahlen"));
    SpeedButton28 = makeChartShortcut(runs, "SpeedButton28", QStringLiteral("Diagramm der Vierergruppen der Zahlen"));
    auto* runButtons = new QHBoxLayout(runs);
    runButtons->setContentsMargins(0, 0, 0, 0);
    runButtons->setSpacing(2);
    runButtons->addWidget(SpeedButton27);
    runButtons->addWidget(SpeedButton28);
    auto* runText = new QWidget(this);
    Label91 = makeLinkLabel(runText, "Label91", QStringLiteral("Dreier, "));
    Label90 = makeLinkLabel(runText, "Label90",
                            QStringLiteral("Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können "
                                           "hier ganz verhindert werden"));
    auto* runLine = new QHBoxLayout(runText);
    runLine->setContentsMargins(0, 0, 0, 0);
    runLine->setSpacing(0);
    runLine->addWidget(Label91);
    runLine->addWidget(Label90);
    runLine->addStretch(1);
    CheckBox18 = makeCheckBox(this, "CheckBox18", QStringLiteral("keine Dreier , Vierer... Paare"));

    // Chart shortcut | rule | its value: each chart stands beside the rule it shows the history of.
    SettingsPageLayout page(this);
    page.heading(Label87);
    page.sentence(nullptr, sumLine);
    page.sentence(SpeedButton17, Label88);
    page.note(Label92);
    page.note(Label93);
    page.rule(SpeedButton29, CheckBox22, Edit83);
    page.rule(SpeedButton31, CheckBox25, Edit89);
    page.rule(SpeedButton32, CheckBox26, Edit90);
    page.sentence(SpeedButton21, Label89);
    page.rule(nullptr, CheckBox8);
    page.sentence(runs, runText);
    page.rule(nullptr, CheckBox18);
    page.finish();

    connect(Edit89, &SpinControl::arrowPressed, this, &MathematischPage::UpDown15MouseDown);
    connect(Edit89, &SpinControl::arrowReleased, this, &MathematischPage::UpDown15MouseUp);
    connect(Edit90, &SpinControl::arrowPressed, this, &MathematischPage::UpDown16MouseDown);
    connect(Edit90, &SpinControl::arrowReleased, this, &MathematischPage::UpDown16MouseUp);

    DiagrammPage* chart = &diagramm;
    connect(SpeedButton17, &QToolButton::clicked, chart, &DiagrammPage::DiagrammQuersummen);
    connect(Label88, &ClickLabel::clicked, chart, &DiagrammPage::Label88Click);
    connect(SpeedButton21, &QToolButton::clicked, chart, &DiagrammPage::SpeedButton21Click);
    connect(SpeedButton27, &QToolButton::clicked, chart, &DiagrammPage::SpeedButton27Click);
    connect(SpeedButton28, &QToolButton::clicked, chart, &DiagrammPage::SpeedButton28Click);
    connect(Label89, &ClickLabel::clicked, chart, &DiagrammPage::Label89Click);
    connect(Label91, &ClickLabel::clicked, chart, &DiagrammPage::Label91Click);
    connect(Label90, &ClickLabel::clicked, chart, &DiagrammPage::Label90Click);
    connect(SpeedButton29, &QToolButton::clicked, chart, &DiagrammPage::Button9Click);
    connect(SpeedButton32, &QToolButton::clicked, chart, &DiagrammPage::Button10Click);
    connect(SpeedButton31, &QToolButton::clicked, chart, &DiagrammPage::Button11Click);
}

void MathematischPage::UpDown15MouseDown()
{
    Edit89->setMaximum(kNumbersPerRow - Edit90->value());
}

void MathematischPage::UpDown15MouseUp()
{
    Edit89->setMaximum(kNumbersPerRow - Edit90->value());
}

void MathematischPage::UpDown16MouseDown()
{
    Edit90->setMaximum(kNumbersPerRow - Edit89->value());
}

void MathematischPage::UpDown16MouseUp()
{
    Edit90->setMaximum(kNumbersPerRow - Edit89->value());
}

} // namespace razoz
