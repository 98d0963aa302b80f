#include "ui/page_schein_optimierung.h"

#include "ui/control_factory.h"
#include "ui/sentence_line.h"
#include "ui/settings_page_layout.h"

#include <QCheckBox>
#include <QLabel>

namespace razoz {

ScheinOptimierungPage::ScheinOptimierungPage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("TabSheet7"));
    const QString earlierDraw = QStringLiteral("Übereinstimmung mit Zahlen aus vorhergehender Ziehung");
    const QString noEarlierHits = QStringLiteral(
        "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus deer Diagrammübersicht");
    const QString recentHits =
        QStringLiteral("Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen");
    const QString recentDraws =
        QStringLiteral("Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen");

    Label78 = makeLabel(this, "Label78", QStringLiteral("Optimierung der einzelnen Tipps miteinander im Schein "));
    CheckBox24 = makeCheckBox(this, "CheckBox24", QStringLiteral("minimale Übereinstimmungen mit anderen Tipps"));
    Edit88 = makeSpin(this, key::MinOverlap, "Edit88", {});
    CheckBox3 = makeCheckBox(this, "CheckBox3", QStringLiteral("maximale Übereinstimmungen mit anderen Tipps"));
    Edit39 = makeSpin(this, key::MaxOverlap, "Edit39", {});
    CheckBox27 = makeCheckBox(this, "CheckBox27",
                              QStringLiteral("Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden"));
    Label80 =
        makeLabel(this, "Label80", QStringLiteral("Optimierung der einzelnen Tipps über die vergangenen Ziehungen"));
    CheckBox4 = makeCheckBox(this, "CheckBox4",
                             QStringLiteral("maximal zugelassene Anzahl von Zahlen der letzten Ziehung "), earlierDraw);
    Edit40 = makeSpin(this, key::SharedWithLastDrawLimit, "Edit40", {});
    CheckBox5 =
        makeCheckBox(this, "CheckBox5", QStringLiteral("maximal zugelassene Anzahl von Zahlen der vorletzten Ziehung "),
                     earlierDraw);
    Edit41 = makeSpin(this, key::SharedWithSecondLastDrawLimit, "Edit41", {});
    CheckBox23 =
        makeCheckBox(this, "CheckBox23",
                     QStringLiteral("maximal zugelassene Anzahl von Zahlen der drittletzten Ziehung "), earlierDraw);
    Edit84 = makeSpin(this, key::SharedWithThirdLastDrawLimit, "Edit84", {});
    CheckBox35 =
        makeCheckBox(this, "CheckBox35", QStringLiteral("Zusatzzahl in die Berechnung der Richtigen mit einbeziehen "));
    CheckBox9 = makeCheckBox(this, "CheckBox9", QStringLiteral("Tipp enspricht noch keiner Ziehung der Datenbank nit "),
                             noEarlierHits);
    Edit42 = makeSpin(this, key::PastDrawHits, "Edit42",
                      QStringLiteral("Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden"));
    Label81 = makeLabel(this, "Label81", QStringLiteral("Richtigen"));
    CheckBox28 = makeCheckBox(this, "CheckBox28", QStringLiteral("Tipp ergibt keine"), noEarlierHits);
    Edit91 = makeSpin(this, key::FirstWindowHits, "Edit91", recentHits);
    Label82 = makeLabel(this, "Label82", QStringLiteral("Richtigen in den letzten"));
    Edit92 = makeSpin(this, key::FirstWindowDraws, "Edit92", recentDraws);
    Label83 = makeLabel(this, "Label83", QStringLiteral("Ziehungen"));
    CheckBox34 = makeCheckBox(this, "CheckBox34", QStringLiteral("Tipp ergibt keine "), noEarlierHits);
    Edit94 = makeSpin(this, key::SecondWindowHits, "Edit94", recentHits);
    Label84 = makeLabel(this, "Label84", QStringLiteral("Richtigen in den letzten"));
    Edit95 = makeSpin(this, key::SecondWindowDraws, "Edit95", recentDraws);
    Label85 = makeLabel(this, "Label85", QStringLiteral("Ziehungen"));

    // Limits stand in the value column; the three hit tests read as sentences on lines of their own.
    SettingsPageLayout page(this);
    page.heading(Label78);
    page.rule(nullptr, CheckBox24, Edit88);
    page.rule(nullptr, CheckBox3, Edit39);
    page.rule(nullptr, CheckBox27);
    page.heading(Label80);
    page.rule(nullptr, CheckBox4, Edit40);
    page.rule(nullptr, CheckBox5, Edit41);
    page.rule(nullptr, CheckBox23, Edit84);
    page.rule(nullptr, CheckBox35);
    page.sentence(nullptr, sentenceLine({CheckBox9, Edit42, Label81}));
    page.sentence(nullptr, sentenceLine({CheckBox28, Edit91, Label82, Edit92, Label83}));
    page.sentence(nullptr, sentenceLine({CheckBox34, Edit94, Label84, Edit95, Label85}));
    page.finish();

    connect(Edit39, &SpinControl::arrowPressed, this, &ScheinOptimierungPage::UpDown3MouseDown);
    connect(Edit88, &SpinControl::arrowReleased, this, &ScheinOptimierungPage::UpDown9MouseUp);
}

void ScheinOptimierungPage::UpDown3MouseDown()
{
    Edit88->setMaximum(Edit39->value());
    Edit39->setMinimum(Edit88->value());
}

void ScheinOptimierungPage::UpDown9MouseUp()
{
    Edit39->setMinimum(Edit88->value());
}

} // namespace razoz
