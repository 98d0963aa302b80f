// The calculation settings on the pages of "Berechnung" and "Lottotipp": every one persists across a
// restart and is read live by the calculation, the arrows keep related values consistent, the
// calculation's loosening shows in the controls, and a second click stops a run.
#include "app/calculation_values.h"
#include "app/settings_schema.h"
#include "base/day_count.h"
#include "generate/random_generator.h"
#include "long_action.h"
#include "test_support.h"
#include "ui/control_factory.h"
#include "ui/page_allgemein.h"
#include "ui/page_berechnung.h"
#include "ui/page_datenbank.h"
#include "ui/page_lottotipp.h"
#include "ui/page_mathematisch.h"
#include "ui/page_schein_optimierung.h"
#include "ui/page_statistisch.h"
#include "ui/sentence_line.h"
#include "ui/settings_binder.h"
#include "ui/tform1.h"
#include "ui/tip_grid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

using namespace razoz;

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

struct Window {
    explicit Window(const test::ProgramDir& dir, bool withArchive = false)
    {
        if (withArchive) {
            QFile::remove(dir.archivePath());
            QFile::copy(QStringLiteral(RAZOZ_SHIPPED_DIR "/dovovuduv.dat"), dir.archivePath());
        }
        form = std::make_unique<TForm1>(TForm1::Environment{dir.path(), &prompt, {}, dir.file("settings.ini"), {}});
        form->show();
        QTest::qWait(1);
    }
    // Brings an inner page of "Berechnung" to the front, so its controls have their places.
    void show(QWidget* page)
    {
        form->pages()->setCurrentWidget(form->berechnung());
        form->berechnung()->PageControl2->setCurrentWidget(page);
        QTest::qWait(1);
    }
    test::ScriptedPrompt prompt;
    std::unique_ptr<TForm1> form;
};

// The calculation settings of the main window: the check boxes and spin controls the store keeps.
QList<const SettingDef*> calculationSettings()
{
    QList<const SettingDef*> out;
    for (const SettingDef& d : settingsSchema())
        if (d.window == QLatin1String("Form1") &&
            (d.name.startsWith(QLatin1String("Chekcbox")) || d.name.startsWith(QLatin1String("UpDown"))))
            out << &d;
    return out;
}

// Settings whose control lives on a page not built here.
bool builtElsewhere(const SettingDef& d)
{
    return d.name == QLatin1String("Chekcbox31"); // the analysis page
}

// A value other than the design value, different from control to control so that two swapped
// names would show.
QVariant changedValue(const SettingDef& d, int k)
{
    if (d.type == SettingType::Bool) {
        // Both draw days unchecked would be checked again at start-up.
        if (d.name == QLatin1String("Chekcbox17")) return d.defaultValue;
        return !d.defaultValue.toBool();
    }
    const int span = d.maximum - d.minimum + 1;
    const int design = d.defaultValue.toInt();
    int v = d.minimum + (design - d.minimum + 1 + k) % span;
    if (v == design) v = d.minimum + (v - d.minimum + 1) % span;
    return v;
}

QVariant valueOf(QObject* control)
{
    if (auto* c = qobject_cast<QCheckBox*>(control)) return c->isChecked();
    if (auto* s = qobject_cast<QSpinBox*>(control)) return s->value();
    return {};
}

void setValue(QObject* control, const QVariant& v)
{
    if (auto* c = qobject_cast<QCheckBox*>(control)) c->setChecked(v.toBool());
    if (auto* s = qobject_cast<QSpinBox*>(control)) s->setValue(v.toInt());
}

// Typed into the edit and confirmed, as a user does.
void type(SpinControl& spin, const QString& text)
{
    QTest::keyClick(&spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&spin, text);
    QTest::keyClick(&spin, Qt::Key_Return);
}

void clickArrow(SpinControl* spin, bool up)
{
    QTest::mouseClick(spin, Qt::LeftButton, {}, spin->arrowRect(up).center());
}

} // namespace

TEST(CalculationSettings, EverySettingStartsAsDesignedAndSurvivesARestart)
{
    test::ProgramDir dir;
    const QList<const SettingDef*> settings = calculationSettings();
    QHash<QString, QVariant> chosen;
    {
        Window w(dir);
        int k = 0;
        for (const SettingDef* d : settings) {
            QObject* control = findControl(w.form.get(), d->control);
            if (!control && builtElsewhere(*d)) continue;
            ASSERT_TRUE(control) << d->control.toStdString();
            EXPECT_EQ(valueOf(control), d->defaultValue) << d->control.toStdString() << " starts as designed";
            if (auto* s = qobject_cast<QSpinBox*>(control)) {
                EXPECT_EQ(s->minimum(), d->minimum) << d->control.toStdString();
                EXPECT_EQ(s->maximum(), d->maximum) << d->control.toStdString();
            }
            chosen.insert(d->name, changedValue(*d, k++));
            setValue(control, chosen[d->name]);
        }
        w.form->close();
    }
    {
        QSettings ini(dir.file("settings.ini"), QSettings::IniFormat);
        for (auto it = chosen.cbegin(); it != chosen.cend(); ++it) {
            const QString expected =
                it->typeId() == QMetaType::Bool ? QString::number(int(it->toBool())) : it->toString();
            EXPECT_EQ(ini.value(it.key()).toString(), expected) << it.key().toStdString();
        }
    }
    Window again(dir);
    for (const SettingDef* d : settings) {
        if (!chosen.contains(d->name)) continue;
        EXPECT_EQ(valueOf(findControl(again.form.get(), d->control)), chosen[d->name])
            << d->control.toStdString() << " after the restart";
    }
}

// Every control of a calculation setting, whoever changes it, changes the shared settings the
// calculation reads, at once.
TEST(CalculationSettings, EveryControlReachesTheSharedSettingsAtOnce)
{
    test::ProgramDir dir;
    Window w(dir);
    CalculationSettingsSource& shared = w.form->session().calculation();
    int linked = 0;
    const auto expectLinked = [&](const AnySettingKey& k, auto read) {
        const QString name = k.def().control.isEmpty() ? QStringLiteral("DateTimePicker1") : k.def().control;
        QObject* control = findControl(w.form.get(), name);
        ASSERT_TRUE(control) << name.toStdString();
        QVariant shown;
        if (auto* c = qobject_cast<QCheckBox*>(control)) {
            c->toggle();
            shown = c->isChecked();
        } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
            spin->setValue(spin->value() == spin->minimum() ? spin->maximum() : spin->minimum());
            shown = spin->value();
        } else if (auto* date = qobject_cast<QDateEdit*>(control)) {
            date->setDate(date->date().addDays(-9));
            shown = toDays(date->date());
        }
        ASSERT_TRUE(shown.isValid()) << name.toStdString();
        EXPECT_EQ(QVariant(read(shared.snapshot())), shown) << name.toStdString();
        ++linked;
    };
#define RAZOZ_EXPECT_LINKED(field, setting)                                                                            \
    expectLinked(key::setting, [](const CalculationSettings& s) { return s.field; });
    RAZOZ_CALCULATION_FIELDS(RAZOZ_EXPECT_LINKED)
#undef RAZOZ_EXPECT_LINKED
    EXPECT_EQ(linked, 53);
}

TEST(CalculationSettings, EvenAndOddMinimumsCannotPassSixWithTheArrowsButTypingIsFree)
{
    test::ProgramDir dir;
    Window w(dir);
    MathematischPage& page = *w.form->berechnung()->Mathematisch;
    w.show(&page);
    SpinControl& even = *page.Edit89; // UpDown15
    SpinControl& odd = *page.Edit90;  // UpDown16
    ASSERT_EQ(even.value(), 2);
    ASSERT_EQ(odd.value(), 2);

    type(odd, "4");
    EXPECT_EQ(odd.value(), 4) << "typed values are not coupled";

    clickArrow(&even, true);
    EXPECT_EQ(even.value(), 2) << "2 even and 4 odd fill the row";
    EXPECT_EQ(even.maximum(), 2);
    clickArrow(&odd, false);
    EXPECT_EQ(odd.value(), 3);
    clickArrow(&even, true);
    EXPECT_EQ(even.value(), 3);
    clickArrow(&odd, true);
    EXPECT_EQ(odd.value(), 3) << "3 + 3 is the most";
    EXPECT_EQ(odd.maximum(), 3);
}

TEST(CalculationSettings, MinimumOverlapNeverPassesTheMaximumWithTheArrows)
{
    test::ProgramDir dir;
    Window w(dir);
    ScheinOptimierungPage& page = *w.form->berechnung()->ScheinOptimierung;
    w.show(&page);
    SpinControl& minimum = *page.Edit88; // UpDown9
    SpinControl& maximum = *page.Edit39; // UpDown3
    ASSERT_EQ(minimum.value(), 0);
    ASSERT_EQ(maximum.value(), 2);

    for (int i = 0; i < 3; ++i) clickArrow(&minimum, true);
    EXPECT_EQ(minimum.value(), 3);
    EXPECT_EQ(maximum.value(), 3) << "releasing the minimum's arrow lifts the maximum's floor";
    clickArrow(&maximum, false);
    EXPECT_EQ(maximum.value(), 3) << "the maximum cannot go below the minimum";
    clickArrow(&minimum, true);
    EXPECT_EQ(minimum.value(), 3) << "pressing the maximum capped the minimum";
    clickArrow(&maximum, true);
    EXPECT_EQ(maximum.value(), 4);
}

TEST(CalculationSettings, RunBudgetFollowsTheSpinAndOneThousandIsTheLeast)
{
    test::ProgramDir dir;
    Window w(dir);
    SpinControl& runs = *w.form->berechnung()->Allgemein->Edit55;
    runs.setValue(1);
    EXPECT_EQ(iterationLimit(w.form->session().calculation().snapshot()), 1000);
    runs.setValue(30000);
    EXPECT_EQ(iterationLimit(w.form->session().calculation().snapshot()), 30000000);
    type(runs, "0");
    EXPECT_EQ(runs.value(), 1);
    EXPECT_EQ(iterationLimit(w.form->session().calculation().snapshot()), 1000);
}

TEST(CalculationSettings, SumLineReadsAsASentenceInEveryLanguage)
{
    test::ProgramDir dir;
    Window w(dir);
    GapSentence& line = *w.form->berechnung()->Mathematisch->sumLine;
    EXPECT_EQ(line.pieces(), (QStringList{"Quersummen von", "bis", "im Tipp zulassen"}));
    // A language file sets the designed label whole; the line splits it at its gaps again.
    line.label()->setText(QStringLiteral("Sums from    to     allowed in a row"));
    w.form->session().setTexts(w.form->session().texts().lines());
    EXPECT_EQ(line.pieces(), (QStringList{"Sums from", "to", "allowed in a row"}));
    line.label()->setText(QStringLiteral("Sums  between  and  only  here"));
    line.split();
    EXPECT_EQ(line.pieces(), (QStringList{"Sums", "between", "and only here"})) << "surplus text stays at the end";
}

struct HintCase {
    const char* control;
    const char* hint;
};

class CalculationHints : public testing::TestWithParam<HintCase> {};

TEST_P(CalculationHints, ShowInStatusPanelOneWhenTheMouseEnters)
{
    test::ProgramDir dir;
    Window w(dir);
    auto* control = qobject_cast<QWidget*>(findControl(w.form.get(), QString::fromLatin1(GetParam().control)));
    ASSERT_TRUE(control);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(control, &enter);
    EXPECT_EQ(w.form->statusText(1), QString::fromUtf8(GetParam().hint));
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CalculationHints,
    testing::Values(HintCase{"CheckBox2", "Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen"},
                    HintCase{"CheckBox14", "die ersten X% der am seltensten gezogenen Zahlen bevorzugen"},
                    HintCase{"CheckBox10", "die ersten X% der am längsten überfälligen Zahlen bevorzugen"},
                    HintCase{"Edit86", "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen"},
                    HintCase{"CheckBox23", "Übereinstimmung mit Zahlen aus vorhergehender Ziehung"},
                    HintCase{"CheckBox34",
                             "Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  aus "
                             "deer Diagrammübersicht"},
                    HintCase{"Edit42", "Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden"},
                    HintCase{"Edit94", "Setzen Sie den Wert auf 4 oder 5 falls Sie die Ziehungszahl sehr groß wählen"},
                    HintCase{"Edit92", "Hier können Sie nochmal  ab ev. 3 oder 4 der letzten Ziehungen ausschließen"},
                    HintCase{"Edit37", ""}));

namespace {

// Settings no candidate row can pass: the lowest allowed sum above the highest.
void rejectEveryRow(TForm1& form)
{
    form.berechnung()->Mathematisch->Edit37->setValue(279);
    form.berechnung()->Mathematisch->Edit38->setValue(21);
}

} // namespace

TEST(CalculationSettings, LooseningShowsInTheControlsWhileTheCalculationRunsAndIsUndoneAfterwards)
{
    test::ProgramDir dir;
    dir.copyInstallData();
    Window w(dir, true);
    TForm1& form = *w.form;
    rejectEveryRow(form);
    form.berechnung()->Allgemein->Edit55->setValue(21); // 21000 runs: every loosening step happens
    ScheinOptimierungPage& slip = *form.berechnung()->ScheinOptimierung;
    MathematischPage& rules = *form.berechnung()->Mathematisch;
    rules.CheckBox8->setChecked(true);
    // Rows 1 and 2 stand, so all runs go to row 3, where the limits are loosened.
    TipGrid& grid = *form.tipGrid();
    grid.setRowTexts(0, {"1", "2", "3", "4", "5", "6"});
    grid.setRowLocked(0, true);
    grid.setRowTexts(1, {"7", "8", "9", "10", "11", "12"});
    grid.setRowLocked(1, true);

    const QString running = form.session().text(16);
    QPushButton* button = form.lottotipp()->BitBtn4;
    QStringList seen;
    const auto record = [&](const char* what) {
        return [&seen, button, running, what](auto value) {
            seen << QStringLiteral("%1=%2%3").arg(what).arg(int(value)).arg(button->text() == running ? "" : " idle");
        };
    };
    QObject::connect(rules.CheckBox8, &QCheckBox::toggled, &form, record("pair"));
    QObject::connect(slip.Edit42, &QSpinBox::valueChanged, &form, record("hits"));
    QObject::connect(slip.Edit41, &QSpinBox::valueChanged, &form, record("second"));
    QObject::connect(slip.Edit40, &QSpinBox::valueChanged, &form, record("last"));

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(form.runner()));

    EXPECT_EQ(seen, (QStringList{"hits=6", "pair=0", "second=2", "last=1", "second=3", "last=2", "pair=1", "last=0",
                                 "second=1", "hits=5"}));
    EXPECT_TRUE(rules.CheckBox8->isChecked());
    EXPECT_EQ(slip.Edit40->value(), 0);
    EXPECT_EQ(slip.Edit41->value(), 1);
    EXPECT_EQ(slip.Edit42->value(), 5);
    EXPECT_EQ(form.statusText(1), form.session().text(25)) << "the budget was used up";
}

// While the calculation runs on its worker the user may change a loosened setting: the user's value
// counts from then on and stays. Closing mid-run stores the user's values, not the loosened ones.
TEST(CalculationSettings, AValueTypedIntoALoosenedControlWinsAndTheCloseStoresTheUsersValues)
{
    for (const bool closeMidRun : {false, true}) {
        SCOPED_TRACE(closeMidRun ? "closed mid-run" : "run to its end");
        test::ProgramDir dir;
        dir.copyInstallData();
        Window w(dir, true);
        TForm1& form = *w.form;
        rejectEveryRow(form);
        form.berechnung()->Allgemein->Edit55->setValue(21); // "UpDown6" is loosened to 6 at run 1000
        ScheinOptimierungPage& slip = *form.berechnung()->ScheinOptimierung;
        slip.Edit40->setValue(0);
        slip.Edit42->setValue(5);
        TipGrid& grid = *form.tipGrid();
        grid.setRowTexts(0, {"1", "2", "3", "4", "5", "6"});
        grid.setRowLocked(0, true);
        grid.setRowTexts(1, {"7", "8", "9", "10", "11", "12"});
        grid.setRowLocked(1, true);
        bool typed = false;
        QObject::connect(slip.Edit42, &QSpinBox::valueChanged, &form, [&](int value) {
            if (value != 6 || typed) return;
            typed = true;
            if (closeMidRun)
                QTimer::singleShot(0, &form, &QWidget::close);
            else
                QTimer::singleShot(0, &form, [&slip] { slip.Edit42->setValue(4); });
        });

        QTest::mouseClick(form.lottotipp()->BitBtn4, Qt::LeftButton);
        EXPECT_TRUE(test::waitForLongAction(form.runner()));
        ASSERT_TRUE(typed) << "the loosening showed";
        if (closeMidRun) {
            QTest::qWait(10);
            const SettingsStore stored(dir.file("settings.ini"));
            EXPECT_EQ(stored.get(key::PastDrawHits), 5);
            EXPECT_EQ(stored.get(key::SharedWithLastDrawLimit), 0);
            continue;
        }
        EXPECT_EQ(slip.Edit42->value(), 4) << "not put back to 5";
        EXPECT_EQ(form.session().calculation().snapshot().pastDrawHits, 4);
        EXPECT_EQ(slip.Edit40->value(), 0) << "the other loosened limits are put back";
    }
}

TEST(CalculationSettings, SecondClickStopsTheRunningCalculationWhileOtherLongActionsWait)
{
    test::ProgramDir dir;
    dir.copyInstallData();
    Window w(dir, true);
    TForm1& form = *w.form;
    rejectEveryRow(form);
    form.berechnung()->Allgemein->Edit55->setValue(30000); // thirty million runs: only the stop ends it soon
    QPushButton* button = form.lottotipp()->BitBtn4;
    const QString caption = button->text();
    QString captionWhileRunning;
    // What may start another long action while this one runs; the calculation's own starters
    // are its stop.
    const auto others = [&form] {
        return std::vector<QObject*>{form.lottotipp()->SpeedButton4, form.lottotipp()->SpeedButton10,
                                     form.datenbank()->BitBtn1,      form.datenbank()->BitBtn2,
                                     form.datenbank()->BitBtn8,      form.datenbank()->BitBtn6,
                                     form.datenbank()->BitBtn9,      form.datenbank()->BitBtn19,
                                     form.datenbank()->BitBtn10,     form.findChild<QAction*>("Aktualisieren1")};
    };
    const auto enabled = [](QObject* o) {
        if (auto* a = qobject_cast<QAction*>(o)) return a->isEnabled();
        return qobject_cast<QWidget*>(o)->isEnabled();
    };
    QStringList enabledWhileRunning;
    bool stopperEnabled = false;
    // Delivered while the calculation lets events through.
    QTimer::singleShot(0, &form, [&] {
        captionWhileRunning = button->text();
        for (QObject* o : others())
            if (enabled(o)) enabledWhileRunning << o->objectName();
        stopperEnabled = button->isEnabled() && form.findChild<QAction*>("Berechnen1")->isEnabled();
        QTest::mouseClick(button, Qt::LeftButton);
    });
    RandomGenerator::shared().setSeed(7);

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(test::waitForLongAction(form.runner()));

    EXPECT_EQ(captionWhileRunning, form.session().text(16));
    EXPECT_TRUE(enabledWhileRunning.isEmpty())
        << "could start meanwhile: " << enabledWhileRunning.join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(stopperEnabled);
    for (QObject* o : others()) EXPECT_TRUE(enabled(o)) << o->objectName().toStdString() << " stays disabled";
    EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(form.statusText(1), form.session().text(26)) << "stopped, not out of runs";
    for (int r = 0; r < kTipRows; ++r)
        for (const QString& box : form.tipGrid()->rowTexts(r)) EXPECT_TRUE(box.isEmpty()) << "row " << r + 1;
    EXPECT_TRUE(form.session().settingsLoaded());
}
